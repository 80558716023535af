// The web bench, printed as a table (make bench): transfer size, cold load, "2、过滤" on 10^5
// pasted numbers, big pastes, copying and long histories as a player meets them, the core pass on
// 10^6 numbers in wasm beside native, and Lighthouse.
import { chromium } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { serve } from '../../scripts/serve-web.mjs';
import { CHROMIUM } from './chromium.js';

const SITE = 'build/web';
const rows = [];
const row = (what, figure, goal, verdict) => rows.push([what, figure, goal, verdict]);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

// Banker digits and every condition row in use, as the native core bench sets them.
const EVERY_ROW = {
  boxes: [0xfe, 1 | (1 << 18), 1 << 5, 1 << 9, 1 << 8, 1, 2, 2, 13],
  kill: [true, true, false],
  tolerance: 0,
};

// 1. Size: what a first visit loads, and the tools module loaded on first use.
const gz = (file) => gzipSync(readFileSync(`${SITE}/${file}`), { level: 9 }).length;
const first = ['shrink2d_core.wasm', 'shrink2d_core.mjs', 'app.js', 'core.js', 'tools.js', 'files.js',
  'style.css'];
const later = ['shrink2d_tools.wasm', 'shrink2d_tools.mjs'];
const firstKB = first.reduce((sum, f) => sum + gz(f), 0) / 1024;
const laterKB = later.reduce((sum, f) => sum + gz(f), 0) / 1024;
row('wasm + JS + CSS, gzip, first visit', `${firstKB.toFixed(1)} KB`, '≤ 150 KB',
  firstKB <= 150 ? 'met' : 'missed');
row('  + tools module (on first use of 历史验证/方案)', `${(firstKB + laterKB).toFixed(1)} KB`,
  '≤ 150 KB', firstKB + laterKB <= 150 ? 'met' : `missed by ${(firstKB + laterKB - 150).toFixed(0)} KB`);

const server = await serve(SITE);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch(CHROMIUM);

// 2. Cold load: a fresh context (empty cache) each time, median of five.
const paints = [];
const readies = [];
for (let k = 0; k < 5; k += 1) {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  const timing = await page.evaluate(() => ({
    paint: performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN,
    ready: performance.getEntriesByName('ready')[0].startTime,
  }));
  paints.push(timing.paint);
  readies.push(timing.ready);
  await context.close();
}
row('cold load: first contentful paint', ms(median(paints)), '< 300 ms', median(paints) < 300 ? 'met' : 'missed');
row('cold load: ready to use', ms(median(readies)), '< 300 ms', median(readies) < 300 ? 'met' : 'missed');

// 3. "2、过滤" on 10^5 pasted numbers: click to count shown (the next frame), median of five.
const page = await browser.newPage();
await page.goto(url);
await page.waitForSelector('html[data-ready]');
const clicks = await page.evaluate(async (settings) => {
  let seed = 20240607;
  const next = () => { seed = (seed * 1664525 + 1013904223) >>> 0; return seed % 100; };
  const list = Array.from({ length: 100000 }, () => `${String(next()).padStart(2, '0')} `).join('');
  const set = (label, on) => {
    const box = document.querySelector(`input[aria-label="${label}"]`);
    if (box.checked !== on) box.click();
  };
  const groups = [...document.querySelectorAll('input[data-group]')];
  for (const box of groups) {
    const on = (settings.boxes[box.dataset.group] & (1 << box.dataset.bit)) !== 0;
    if (box.checked !== on) box.click();
  }
  ['奇偶', '奇偶大小', '大小'].forEach((group, k) => set(`${group} ${settings.kill[k] ? '杀' : '定'}`, true));
  const text3 = document.querySelector('textarea[aria-label="结果"]');
  const text1 = document.querySelector('input[aria-label="共计"]');
  const filter = [...document.querySelectorAll('button')].find((b) => b.textContent === '2、过滤');
  const times = [];
  for (let k = 0; k < 5; k += 1) {
    text3.value = list;
    text3.dispatchEvent(new Event('input'));
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done, 50)));
    const start = performance.now();
    filter.click();
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
    times.push(performance.now() - start);
    if (!text1.value.includes('共计')) throw new Error('no count line');
  }
  return times;
}, EVERY_ROW);
const click = median(clicks);

// 4. What a player does with big lists and long histories: a paste of 10^6 numbers (separated by
// blanks, and one a line) up to the count shown after "2、过滤", "复制结果" of them, and "验证" on
// 10^4 draws; each from its event to the next frame, with the longest task it took meanwhile.
const heavy = await browser.newContext({ serviceWorkers: 'block' });
await heavy.grantPermissions(['clipboard-read', 'clipboard-write']);
const player = await heavy.newPage();
await player.goto(url);
await player.waitForSelector('html[data-ready]');
await player.evaluate(() => {
  window.longTasks = [];
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) window.longTasks.push([entry.startTime, entry.duration]);
  }).observe({ type: 'longtask', buffered: true });
});
// Runs act in the page and waits until done() holds, a frame at a time; returns the time taken
// and the longest task that began meanwhile.
async function timed(act, done, arg) {
  return player.evaluate(async ({ actSource, doneSource, value }) => {
    const run = new Function('value', `return (${actSource})(value)`);
    const finished = new Function(`return (${doneSource})()`);
    const start = performance.now();
    await run(value);
    while (!finished()) await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const took = performance.now() - start;
    await new Promise((resolve) => setTimeout(resolve, 100)); // the observer reports a little late
    const longest = Math.max(0, ...window.longTasks.filter(([at]) => at >= start).map(([, d]) => d));
    return { took, longest };
  }, { actSource: act.toString(), doneSource: done.toString(), value: arg });
}
const million = (separator) => {
  let seed = 20240607;
  let text = '';
  for (let k = 0; k < 1000000; k += 1) {
    seed = (seed * 1664525 + 1013904223) >>> 0;
    text += `${String(seed % 100).padStart(2, '0')}${separator}`;
  }
  return text;
};
const pasteAndFilter = (text) => {
  const box = document.querySelector('textarea[aria-label="结果"]');
  document.querySelector('input[aria-label="共计"]').value = '';
  box.value = '';
  const data = new DataTransfer();
  data.setData('text/plain', text);
  box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  [...document.querySelectorAll('button')].find((b) => b.textContent === '2、过滤').click();
};
const counted = () => document.querySelector('input[aria-label="共计"]').value.includes('1000000');
for (const [what, separator] of [['blanks between', ' '], ['one a line', '\r\n']]) {
  const { took, longest } = await timed(pasteAndFilter, counted, million(separator));
  row(`paste 10^6 numbers (${what}) to the count after "2、过滤"`, ms(took), '≤ 1500 ms',
    took <= 1500 ? 'met' : 'missed');
  row('  longest task meanwhile', ms(longest), '≤ 1000 ms', longest <= 1000 ? 'met' : 'missed');
}
{
  const { took, longest } = await timed(() => {
    document.getElementById('result-message').textContent = '';
    document.getElementById('copy-result').click();
  }, () => document.getElementById('result-message').textContent === '已复制结果');
  row('"复制结果" of 10^6 numbers', ms(took), '≤ 1500 ms', took <= 1500 ? 'met' : 'missed');
  row('  longest task meanwhile', ms(longest), '≤ 1000 ms', longest <= 1000 ? 'met' : 'missed');
}
{
  const draws = Array.from({ length: 10000 }, (_, k) =>
    `${2026000000 + k} ${String((k * 37 + 11) % 100).padStart(2, '0')}`).join('\n');
  await player.getByLabel('开奖号码').evaluate((box, text) => { box.value = text; }, draws);
  await player.getByRole('checkbox', { name: '杀和值 10', exact: true }).check();
  await player.getByRole('button', { name: '验证', exact: true }).click(); // loads the tools module
  await player.locator('#history-summary dd[data-term="期数"]').waitFor();
  const { took, longest } = await timed(() => {
    document.getElementById('history-result').hidden = true;
    document.getElementById('check-history').click();
  }, () => !document.getElementById('history-result').hidden);
  row('"验证" on 10^4 draws, click to the report shown', ms(took), '≤ 300 ms',
    took <= 300 ? 'met' : 'missed');
  row('  longest the page is frozen meanwhile', ms(longest), '≤ 200 ms', longest <= 200 ? 'met' : 'missed');
}
await heavy.close();

// 5. The core pass on 10^6 numbers, the list already in the module's memory.
const pass = await page.evaluate(async (settings) => {
  const core = await (await import('./core.js')).openCore();
  const { module } = core;
  let seed = 20240607;
  const next = () => { seed = (seed * 1664525 + 1013904223) >>> 0; return seed % 100; };
  const list = Array.from({ length: 1000000 }, () => `${String(next()).padStart(2, '0')} `).join('');
  const address = module._malloc(list.length);
  const started = performance.now();
  const { written } = new TextEncoder().encodeInto(list, module.HEAPU8.subarray(address, address + list.length));
  const handIn = performance.now() - started;
  const times = [];
  for (let k = 0; k < 15; k += 1) {
    const start = performance.now();
    module.passCount(address, written, settings.boxes, settings.kill, 0);
    times.push(performance.now() - start);
  }
  module._free(address);
  return { handIn, pass: times.sort((a, b) => a - b)[7] };
}, EVERY_ROW);
await browser.close();

// The native figures, from the benchmarks make bench builds.
const NATIVE = process.env.SHRINK2D_NATIVE_BIN ?? 'build/bin';
function nativeMicroseconds(program, args, name) {
  program = `${NATIVE}/${program}`;
  if (!existsSync(program)) return null;
  const file = join(mkdtempSync(join(tmpdir(), 'shrink2d-bench-')), 'out.json');
  execFileSync(program, [...args, `--benchmark_out=${file}`, '--benchmark_out_format=json'],
    { stdio: 'ignore', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  const out = JSON.parse(readFileSync(file, 'utf8'));
  const found = out.benchmarks.find((b) => b.name === name);
  return found ? found.real_time / (found.time_unit === 'ms' ? 1e-3 : found.time_unit === 'us' ? 1 : 1e3) : null;
}
const nativePass = nativeMicroseconds('bench_core',
  ['--benchmark_filter=BM_FilterPass/1000000$', '--benchmark_min_time=0.5'], 'BM_FilterPass/1000000');
const nativeClick = nativeMicroseconds('bench_window_click',
  ['--benchmark_filter=^click$', '--benchmark_min_time=0.2'], 'click');
const ratio = (web, native) => (native ? `${(web / native).toFixed(2)}×` : 'no native figure');

row('"2、过滤" on 10^5 pasted numbers, click to count shown', ms(click),
  nativeClick ? `≤ 2× window (${ms(nativeClick / 1000)})` : '≤ 2× window', ratio(click, nativeClick && nativeClick / 1000));
row('core pass on 10^6 numbers in wasm', ms(pass.pass),
  nativePass ? `≤ 1.5× native (${ms(nativePass / 1000)})` : '≤ 1.5× native', ratio(pass.pass, nativePass && nativePass / 1000));
row('  handing the 10^6 numbers in (UTF-8 into the module)', ms(pass.handIn), '—', '—');

// 6. Lighthouse 12.2.3 on Debian's Chromium, as a phone (its default) and as a desktop.
try {
  const { default: lighthouse } = await import('lighthouse');
  const { launch } = await import('chrome-launcher');
  const desktop = (await import('lighthouse/core/config/desktop-config.js')).default;
  for (const [form, config] of [['mobile', undefined], ['desktop', desktop]]) {
    const chrome = await launch({ chromePath: CHROMIUM.executablePath,
      chromeFlags: ['--headless=new', ...CHROMIUM.args] });
    const result = await lighthouse(url, { port: chrome.port, output: 'json', logLevel: 'error',
      onlyCategories: ['performance', 'accessibility', 'best-practices'] }, config);
    await chrome.kill();
    const { audits } = result.lhr;
    const metrics = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time',
      'cumulative-layout-shift', 'speed-index'].map((id) => audits[id].displayValue).join(', ');
    for (const [key, category] of Object.entries(result.lhr.categories)) {
      const score = Math.round(category.score * 100);
      row(`Lighthouse ${key}, ${form}`, String(score), '≥ 95', score >= 95 ? 'met' : 'missed');
    }
    row(`  ${form} FCP, LCP, TBT, CLS, SI`, metrics, '—', '—');
  }
} catch (error) {
  row('Lighthouse', 'did not run', '≥ 95', String(error.message).split('\n')[0]);
}
server.close();

const widths = [0, 1, 2, 3].map((c) => Math.max(...rows.map((r) => String(r[c]).length)));
const line = (r) => r.map((cell, c) => String(cell).padEnd(widths[c])).join('  ').trimEnd();
console.log('== web edition (tests/web/bench.mjs)');
console.log(line(['measure', 'figure', 'goal', 'verdict']));
for (const r of rows) console.log(line(r));
