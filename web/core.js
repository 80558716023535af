// The core module as the page uses it: lists go in through memory allocated in the module (one
// copy, no stack), settings as the ticked boxes of each catalogue group and the three modes.

const encoder = new TextEncoder();

// Calls use(address, length) with the UTF-8 of text in the module's memory, freed afterwards.
function withText(module, text, use) {
  const capacity = text.length * 3 + 1;
  const address = module._malloc(capacity);
  try {
    const { written } = encoder.encodeInto(text, module.HEAPU8.subarray(address, address + capacity));
    return use(address, written);
  } finally {
    module._free(address);
  }
}

// The core module, loaded here rather than imported, so that a failed load can be told to the
// player.
export async function openCore() {
  const { default: loadCore } = await import('./shrink2d_core.mjs');
  const module = await loadCore();
  const data = JSON.parse(module.coreData());
  return {
    data,
    module, // for the bench, which times the pass on a list already in the module's memory
    generate: (first, second) => module.generate(first, second),
    countLine: (text) => withText(module, text, (a, n) => module.countLineOf(a, n)),
    // What a paste into the result box inserts: a list in the box's written form.
    pasted: (text) => withText(module, text, (a, n) => module.pastedList(a, n)),
    // { listWasEmpty, stopped, listText, countLine, message, position }
    filter: (text, settings) =>
      withText(module, text, (a, n) =>
        module.filterPass(a, n, settings.boxes, settings.kill, settings.tolerance)),
    // The survivors' count alone (the bench's core pass); -1 when the pass stopped.
    passCount: (text, settings) =>
      withText(module, text, (a, n) =>
        module.passCount(a, n, settings.boxes, settings.kill, settings.tolerance)),
    // {rows:{key:n}, in, out} or {unreadable:{position, message}}
    stats: (text, settings) =>
      JSON.parse(withText(module, text, (a, n) =>
        module.groupCounts(a, n, settings.boxes, settings.kill, settings.tolerance))),
  };
}

let tools = null;

// The second module (history check, condition files), loaded on first use; a load that fails
// is tried again at the next use.
export async function openTools() {
  if (!tools) {
    tools = import('./shrink2d_tools.mjs').then((m) => m.default()).then((module) => ({
      history: (content, fileName, last, settings, first, second) =>
        JSON.parse(module.historyReport(content, fileName, last, settings.boxes, settings.kill,
          settings.tolerance, first, second)),
      // {file} or {error}
      writeConditions: (settings) =>
        JSON.parse(module.writeConditions(settings.boxes, settings.kill, settings.tolerance)),
      readConditions: (content) => JSON.parse(module.readConditions(content)),
      notText: (source) => module.notText(source),
    }));
    tools.catch(() => { tools = null; });
  }
  return tools;
}
