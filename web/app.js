// The classic form, built from the window's layout tables, control descriptions and condition
// catalogue that the core module exports, and its behaviour: generation, the filter pass, pages
// and highlighting, the home page. Every rule runs in the core; this file only reads and writes
// the controls.
import { openCore } from './core.js';
import { setupTools } from './tools.js';

// Without its core the page can do nothing: it says so and offers a reload.
const core = await openCore().catch(() => null);
if (core === null) {
  document.getElementById('load-failure').hidden = false;
  document.getElementById('form').removeAttribute('aria-busy');
  throw new Error('the core module could not be loaded');
}
const { data } = core;
const { layout } = data;

// Reading order and tab order, as the window's tab order: the window's own controls around the
// pages' arrays and pairs, which come in the core's reading order. A label the list does not name
// follows the controls of its frame; a frame takes the place of the first control it holds.
const ORDER = ['Label1', 'chk100', 'Label2', 'chk10', 'Command1', 'Option2',
  ...layout.readingOrder.flat(), 'Label3', 'Text3', 'Text1', 'Command3', 'Command2'];

const form = document.getElementById('form');
const controls = {}; // name -> element (single controls) or array of inputs (arrays)
let listText = data.notice; // the result box's text as the core reads it
let hasList = false; // the box holds the player's list, not the notice

function el(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
}

function place(node, [left, top, width, height]) {
  node.classList.add('at');
  node.style.cssText += `--l:${left};--t:${top};--w:${width};--h:${height}`;
  return node;
}

function rank(node) {
  const key = ORDER.indexOf(node.dataset.name);
  return key < 0 ? ORDER.length : key;
}

// Controls in reading order; labels that ORDER does not name, from left to right.
function byReadingOrder(a, b) {
  const left = (node) => Number(node.style.getPropertyValue('--l'));
  return rank(a) - rank(b) || left(a) - left(b);
}

function describe(description, caption) {
  const chars = Array.from(caption);
  return description.replaceAll('%1', caption).replaceAll('%2', chars[0])
    .replaceAll('%3', chars[chars.length - 1]);
}

// A check box drawn as a toggle button, named as the window names it.
function toggle(kind, caption, name, description) {
  const label = el('label', `tog ${kind}`);
  const input = el('input');
  input.type = 'checkbox';
  input.setAttribute('aria-label', name);
  input.title = `${name}：${description}`;
  label.append(input, el('span', 'face', caption));
  return { label, input };
}

function frameCaption(row) {
  if (row.caption) return row.caption;
  const group = data.groups.find((g) => g.frame === row.name);
  return group ? group.caption : '';
}

let captionCount = 0;
function makeFrame(row, conditionFrame) {
  const frame = place(el('div', conditionFrame ? 'frame cond-frame' : 'frame'), row.box);
  const caption = el('span', 'frame-caption', frameCaption(row));
  caption.id = `caption-${captionCount++}`;
  frame.setAttribute('role', 'group');
  frame.setAttribute('aria-labelledby', caption.id);
  frame.dataset.frame = row.item >= 0 ? `${row.name}-${row.item}` : row.name;
  frame.append(caption);
  return frame;
}

// The boxes of one array, each named by its group: a digit row, or the condition groups whose
// control the array is.
function makeBoxes(row, onPage) {
  const holder = el('div', 'boxes');
  holder.dataset.name = row.name;
  const inputs = [];
  if (!onPage) {
    data.digitCaptions.forEach((caption, k) => {
      const { position, description } = data.digitRows[row.name];
      const { label, input } = toggle('digit', caption, `${position} ${caption}`,
        describe(description, caption));
      input.checked = true;
      input.dataset.digit = k;
      holder.append(place(label, row.places[k]));
      inputs.push(input);
    });
  } else {
    data.groups.forEach((group, g) => {
      if (group.control !== row.name) return;
      group.boxCaptions.forEach((caption, bit) => {
        const k = group.firstItem + bit;
        const { label, input } = toggle('cond', caption, `${group.caption} ${caption}`,
          describe(group.description, caption));
        input.dataset.group = g;
        input.dataset.bit = bit;
        holder.append(place(label, row.places[k]));
        inputs[k] = input;
      });
    });
  }
  controls[row.name] = inputs;
  return holder;
}

// A 定/杀 pair: ordinary option buttons, 定 blue and 杀 red, 定 selected.
function makePair(row) {
  const pair = data.pairs.find((p) => p.control === row.name);
  const governed = data.groups.filter((g) => g.pair === row.name);
  const holder = el('div', 'pair');
  holder.dataset.name = row.name;
  holder.setAttribute('role', 'radiogroup');
  holder.setAttribute('aria-label', `${governed[0].caption} 定或杀`);
  const inputs = pair.captions.map((caption, k) => {
    const label = place(el('label', `opt mode-${k}`), row.places[k]);
    const input = el('input');
    input.type = 'radio';
    input.name = row.name;
    input.checked = k === 0;
    input.setAttribute('aria-label', `${governed[0].caption} ${caption}`);
    input.title = `${governed[0].caption} ${caption}：` +
      pair.buttonDescriptions[k].replace('%1', pair.patterns);
    label.append(input, el('span', '', caption));
    holder.append(label);
    return input;
  });
  controls[row.name] = inputs;
  return holder;
}

// The text box of a group typed as numbers, named by the group as its boxes would be.
function makeTypedBox(row) {
  const g = data.groups.findIndex((group) => group.control === row.name);
  const group = data.groups[g];
  const box = place(el('textarea', `text typed ${row.name}`), row.box);
  box.setAttribute('aria-label', group.caption);
  box.title = `${group.caption}：${group.description}`;
  box.spellcheck = false;
  box.dataset.group = g;
  controls[row.name] = box;
  return box;
}

function makeControl(row, onPage) {
  switch (row.kind) {
    case 'boxes': return makeBoxes(row, onPage);
    case 'pair': return makePair(row);
    case 'label': {
      return place(el('span', onPage ? 'label grey' : 'label', row.caption), row.box);
    }
    case 'command': {
      const button = place(el('button', `cmd ${row.name}`, row.caption), row.box);
      button.type = 'button';
      button.title = `${row.caption}：${data.controls[row.name].description}`;
      controls[row.name] = button;
      return button;
    }
    case 'text': {
      if (onPage) return makeTypedBox(row);
      const box = place(el(row.multiLine ? 'textarea' : 'input', `text ${row.name}`), row.box);
      const { name, description } = data.controls[row.name];
      box.setAttribute('aria-label', name);
      box.title = `${name}：${description}`;
      box.spellcheck = false;
      if (!row.multiLine) box.type = 'text';
      controls[row.name] = box;
      return box;
    }
    default: throw new Error(`unknown layout row ${row.kind}`);
  }
}

// Builds the frames of one layout table, its controls in their frames in reading order; returns
// the frames in reading order.
function build(rows, onPage) {
  const frames = [];
  for (const row of rows) {
    if (row.kind === 'frame') {
      frames.push(makeFrame(row, onPage));
      continue;
    }
    const control = makeControl(row, onPage);
    control.dataset.name ??= row.name;
    frames[row.frame].append(control);
  }
  for (const frame of frames) {
    const children = [...frame.children].slice(1).sort(byReadingOrder);
    frame.append(...children);
    frame.dataset.name = children[0]?.dataset.name ?? '';
  }
  return frames.sort(byReadingOrder);
}

function buildForm() {
  const [, , width, height] = layout.window;
  document.documentElement.style.setProperty('--window-width', width);
  document.documentElement.style.setProperty('--window-height', height);
  const [frame5, frame4] = build(layout.form, false);
  const selectors = el('div', 'selectors');
  selectors.setAttribute('role', 'radiogroup');
  selectors.setAttribute('aria-label', '条件页');
  const pages = place(el('div', 'pages'), layout.pages);
  controls.Option2 = layout.pageNames.map((name, k) => {
    const label = place(el('label', 'tog selector'), layout.pageSelectors[k]);
    const input = el('input');
    input.type = 'radio';
    input.name = 'Option2';
    input.checked = k === 0;
    input.title = `${name}：${describe(data.pageSelectorDescription, name)}`;
    label.append(input, el('span', 'face', name));
    selectors.append(label);
    return input;
  });
  controls.Frame9 = layout.pageNames.map((name, k) => {
    const page = el('div', 'frame page');
    page.setAttribute('role', 'group');
    page.setAttribute('aria-label', name);
    page.hidden = k !== 0;
    pages.append(page);
    return page;
  });
  controls.Frame9.forEach((page, k) => page.append(...build(layout.pageRows[k], true)));
  form.replaceChildren(frame5, selectors, pages, frame4);
  // Until the first repaint of its row, chk10 item 2 has a pale-yellow face.
  controls.chk10[2].closest('label').classList.add('pale');
  controls.Text3.value = listText;
  form.removeAttribute('aria-busy');
}

function digitMask(inputs) {
  return inputs.reduce((mask, input, k) => (input.checked ? mask | (1 << k) : mask), 0);
}

let tolerance = 0;

// 容错 other than 0 is shown beside 2、过滤, and said to screen readers, so that a filter with
// it is never taken for one without.
function showTolerance() {
  const badge = document.getElementById('tolerance-badge');
  badge.textContent = tolerance === 0 ? '' : `容错 ${tolerance}`;
  badge.hidden = tolerance === 0;
}

// The settings the condition pages stand for, as the core takes them.
function settings() {
  const boxes = data.groups.map((group) => (group.typed ? '' : 0));
  for (const input of form.querySelectorAll('input[data-group]')) {
    if (input.checked) boxes[input.dataset.group] |= 1 << input.dataset.bit;
  }
  for (const box of form.querySelectorAll('textarea[data-group]')) {
    boxes[box.dataset.group] = box.value;
  }
  const kill = data.pairs.map((pair) => controls[pair.control][1].checked);
  return { boxes, kill, tolerance };
}

// Sets the condition pages from settings (a loaded scheme or condition file).
function applySettings(next) {
  for (const input of form.querySelectorAll('input[data-group]')) {
    input.checked = (next.boxes[input.dataset.group] & (1 << input.dataset.bit)) !== 0;
  }
  for (const box of form.querySelectorAll('textarea[data-group]')) {
    box.value = next.boxes[box.dataset.group];
  }
  data.pairs.forEach((pair, k) => { controls[pair.control][next.kill[k] ? 1 : 0].checked = true; });
  tolerance = next.tolerance;
  showTolerance();
  listeners.forEach((listen) => listen('settings'));
}

const listeners = [];

// The result box takes a list of the core's, and shows its first line.
// A browser lays a text box out whole, which for a million numbers freezes the page for seconds;
// beyond this many characters (a hundred thousand numbers) the box lists the first of them, read
// only, says so, and the page keeps the whole list: 2、过滤, 复制结果 and 下载 take all of it.
const SHOWN_CHARACTERS = 300000;
let shownInPart = false;

function setList(text) {
  listText = text;
  hasList = true;
  const box = controls.Text3;
  shownInPart = text.length > SHOWN_CHARACTERS;
  box.value = shownInPart ? text.slice(0, text.lastIndexOf(' ', SHOWN_CHARACTERS) + 1) : text;
  box.readOnly = shownInPart;
  document.getElementById('list-note').hidden = !shownInPart;
  box.scrollTop = 0;
}

// On a phone the result lies below the fold: a bar at the foot of the screen gives the count at
// once and takes the player to the list, until the list itself is in view.
const countBar = document.getElementById('count-bar');
const narrow = window.matchMedia('(max-width: 559.98px)');
let counted = false;
let resultInView = true;
function placeCountBar() {
  countBar.hidden = !counted || resultInView || !narrow.matches;
}
function showCount() {
  document.getElementById('count-bar-text').textContent = controls.Text1.value.trim();
  counted = true;
  placeCountBar();
}

const messageBox = document.getElementById('message-box');
const pending = [];
// The window's message box: modal, one OK button; messages queue while one is open.
function showMessage(text) {
  pending.push(text);
  if (!messageBox.open) nextMessage();
}
function nextMessage() {
  if (pending.length === 0) return;
  document.getElementById('message-text').textContent = pending.shift();
  messageBox.showModal();
}
messageBox.addEventListener('close', nextMessage);

function generateClick() {
  setList(core.generate(digitMask(controls.chk100), digitMask(controls.chk10)));
  controls.Text1.value = core.countLine(listText);
  showCount();
  listeners.forEach((listen) => listen('list'));
}

function filterClick() {
  const outcome = core.filter(listText, settings());
  if (outcome.listWasEmpty) showMessage(data.emptyListPrompt);
  if (outcome.stopped) {
    if (outcome.listText !== listText) setList(outcome.listText);
    showMessage(outcome.message);
    return;
  }
  setList(outcome.listText);
  controls.Text1.value = outcome.countLine;
  showCount();
  listeners.forEach((listen) => listen('list'));
}

function wire() {
  controls.Command1.addEventListener('click', generateClick);
  controls.Command3.addEventListener('click', filterClick);
  controls.Command2.addEventListener('click', () => {
    window.open(data.homePage, '_blank', 'noopener');
  });
  controls.Text3.addEventListener('input', () => {
    listText = controls.Text3.value;
    hasList = true;
    listeners.forEach((listen) => listen('list'));
  });
  new IntersectionObserver(([entry]) => {
    resultInView = entry.isIntersecting;
    placeCountBar();
  }, { threshold: 0.25 }).observe(controls.Text3);
  narrow.addEventListener('change', placeCountBar);
  document.getElementById('to-result').addEventListener('click', () => {
    controls.Text3.scrollIntoView({ behavior: 'smooth', block: 'start' });
  });
  // A column or a comma list pasted in becomes that many numbers: the core writes it in the
  // box's form, and the box takes it in one edit.
  controls.Text3.addEventListener('paste', (event) => {
    const text = event.clipboardData?.getData('text/plain');
    if (!text) return;
    event.preventDefault();
    const box = controls.Text3;
    // A list shown in part is read only: a paste would edit only the part shown.
    if (shownInPart) return;
    // Pasted over the notice, a list takes its place rather than joining it.
    if (!hasList) box.select();
    const inserted = core.pasted(text);
    const whole = box.value.slice(0, box.selectionStart) + inserted + box.value.slice(box.selectionEnd);
    if (whole.length > SHOWN_CHARACTERS) {
      setList(whole);
      listeners.forEach((listen) => listen('list'));
      return;
    }
    box.setRangeText(inserted, box.selectionStart, box.selectionEnd, 'end');
    box.dispatchEvent(new Event('input', { bubbles: true }));
  });
  controls.chk10.forEach((input) => input.addEventListener('change', () => {
    controls.chk10[2].closest('label').classList.remove('pale');
  }));
  controls.Option2.forEach((input, k) => input.addEventListener('change', () => {
    controls.Frame9.forEach((page, j) => { page.hidden = !controls.Option2[j].checked; });
  }));
  form.addEventListener('change', (event) => {
    if (event.target.dataset.group !== undefined || event.target.name?.startsWith('Option')) {
      listeners.forEach((listen) => listen('settings'));
    }
  });
}

document.title = data.title;
document.getElementById('title').textContent = document.title;
for (const id of ['message-title', 'confirm-title']) {
  document.getElementById(id).textContent = data.messageTitle;
}
buildForm();
wire();
// Beside 2、过滤, in its frame; the button's description names it.
const badge = document.createElement('span');
badge.id = 'tolerance-badge';
badge.className = 'tolerance-badge';
badge.setAttribute('role', 'status');
badge.hidden = true;
badge.style.cssText = controls.Command3.style.cssText; // the button's place in the layout
controls.Command3.after(badge);
controls.Command3.setAttribute('aria-describedby', badge.id);
// At the foot of the result box, when it lists a long list in part.
const note = document.createElement('span');
note.id = 'list-note';
note.className = 'list-note';
note.setAttribute('role', 'status');
note.textContent = '结果很长：框中只列出前十万注，过滤、复制结果和下载都用全部号码';
note.hidden = true;
note.style.cssText = controls.Text3.style.cssText; // the box's place in the layout
controls.Text3.after(note);
controls.Text3.setAttribute('aria-describedby', note.id);

setupTools({
  core,
  data,
  settings,
  applySettings,
  list: () => listText,
  hasList: () => hasList,
  digits: () => [digitMask(controls.chk100), digitMask(controls.chk10)],
  setTolerance: (value) => {
    tolerance = value;
    showTolerance();
  },
  onChange: (listen) => listeners.push(listen),
});

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
// Shown once the form stands above it, so that nothing moves while the page loads.
document.getElementById('more').hidden = false;
document.documentElement.dataset.ready = 'true';
performance.mark('ready');
