// The page and the command line agree byte for byte on random condition sets: 500 through the
// core module as the page calls it, 20 through the page's own controls.
import { test, expect, cli } from './fixtures.js';

// A small seeded generator, so that a failing set can be found again.
function random(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state * 1664525 + 1013904223) >>> 0;
    return state / 2 ** 32;
  };
}

function randomSet(next, { groups, pairs }) {
  const mask = (count, p) => {
    let bits = 0;
    for (let k = 0; k < count; k += 1) if (next() < p) bits |= 1 << k;
    return bits;
  };
  // A typed group's numbers, as players separate them.
  const separators = [' ', ',', '，', '、', '\n'];
  const numbers = () => [...Array(100).keys()].filter(() => next() < 0.1)
    .map((n) => String(n).padStart(2, '0'))
    .map((n, k) => (k === 0 ? n : separators[Math.floor(next() * separators.length)] + n)).join('');
  return {
    first: mask(10, 0.8),
    second: mask(10, 0.8),
    boxes: groups.map((g) => {
      if (g.typed) return next() < 0.4 ? numbers() : '';
      return next() < 0.4 ? mask(g.boxCaptions.length, 0.3) : 0;
    }),
    kill: pairs.map(() => next() < 0.5),
    tolerance: next() < 0.6 ? 0 : Math.floor(next() * 3),
  };
}

function cliArgs(set, data) {
  const digits = (bits) => [...Array(10).keys()].filter((k) => bits & (1 << k)).join('');
  const args = ['--first', digits(set.first), '--second', digits(set.second),
    '--tolerance', String(set.tolerance)];
  data.groups.forEach((group, g) => {
    if (!set.boxes[g]) return;
    if (group.typed) {
      args.push(group.option, set.boxes[g]);
      return;
    }
    const ticked = group.boxCaptions.filter((_, k) => set.boxes[g] & (1 << k));
    args.push(group.option, ticked.join(group.digitRow ? '' : ','));
  });
  data.pairs.forEach((pair, p) => {
    if (set.kill[p]) args.push(pair.option, 'kill');
  });
  return args;
}

test('500 random condition sets through the module equal the CLI', async ({ form, page }) => {
  const data = await page.evaluate(async () => (await import('./core.js')).openCore()
    .then((core) => core.data));
  const next = random(20261208);
  const sets = Array.from({ length: 500 }, () => randomSet(next, data));
  const outputs = await page.evaluate(async (all) => {
    const core = await (await import('./core.js')).openCore();
    return all.map((set) => {
      const outcome = core.filter(core.generate(set.first, set.second), set);
      return `${outcome.listText}\n${outcome.countLine}\n`;
    });
  }, sets);
  sets.forEach((set, k) => {
    const args = cliArgs(set, data);
    expect(outputs[k], args.join(' ')).toBe(cli(args).stdout);
  });
});

test('20 random condition sets through the page controls equal the CLI', async ({ form, page, site }) => {
  test.setTimeout(120_000);
  const data = await page.evaluate(async () => (await import('./core.js')).openCore()
    .then((core) => core.data));
  const next = random(7);
  for (let round = 0; round < 20; round += 1) {
    const set = randomSet(next, data);
    await page.goto(site);
    await page.waitForSelector('html[data-ready]');
    for (let k = 0; k < 10; k += 1) {
      if (!(set.first & (1 << k))) await form.box(`一位 ${k}`).uncheck();
      if (!(set.second & (1 << k))) await form.box(`二位 ${k}`).uncheck();
    }
    // Each page as the catalogue places its groups, the 定/杀 pairs with their first group.
    for (const [index, showing] of data.layout.pageNames.entries()) {
      if (!data.groups.some((group) => group.page === index)) continue;
      await form.showPage(showing);
      for (const [g, group] of data.groups.entries()) {
        if (group.page !== index) continue;
        if (group.typed) {
          await page.getByRole('textbox', { name: group.caption, exact: true }).fill(set.boxes[g]);
          continue;
        }
        for (const [k, caption] of group.boxCaptions.entries()) {
          if (set.boxes[g] & (1 << k)) await form.box(`${group.caption} ${caption}`).check();
        }
        const p = data.pairs.findIndex((pair) => pair.control === group.pair);
        const first = data.groups.find((other) => other.pair === group.pair);
        if (p >= 0 && set.kill[p] && first === group) await form.radio(`${group.caption} 杀`).check();
      }
    }
    await page.locator('#tolerance').selectOption(String(set.tolerance));
    await form.generate();
    await form.filter();
    const args = cliArgs(set, data);
    const [list, line] = await form.texts();
    expect(`${list}\n${line}\n`, args.join(' ')).toBe(cli(args).stdout);
  }
});
