// The tools under "更多", each against the command line on the same input.
import { readFileSync } from 'node:fs';
import { test, expect, cli, scratchFile } from './fixtures.js';

async function cliTexts(args) {
  const [list, line] = cli(args).stdout.split('\n');
  return [list, line];
}

for (const tolerance of [1, 2]) {
  test(`容错 ${tolerance} lets through what at most ${tolerance} groups reject`, async ({ form, page }) => {
    await form.generate();
    for (const name of ['杀和值 9', '杀和值 10', '杀跨度 0', '杀合值 5', '定胆 3']) await form.box(name).check();
    await page.getByLabel('容错', { exact: true }).selectOption(String(tolerance));
    await form.filter();
    expect(await form.texts()).toEqual(await cliTexts(['--kill-sum', '9,10', '--kill-span', '0',
      '--kill-tail', '5', '--banker', '3', '--tolerance', String(tolerance)]));
  });
}

test('条件统计 counts what each ticked condition removes on its own', async ({ form, page }) => {
  await form.generate();
  await form.box('杀和值 10').check();
  await form.box('杀跨度 0').check();
  const rows = page.locator('#stats tbody tr');
  await expect(rows).toHaveText([/杀和值\s*9/, /杀跨度\s*10/]);
  await expect(page.locator('#stats-in')).toHaveText('100');
  await expect(page.locator('#stats-out')).toHaveText('82'); // 55 is in both
  await form.box('杀和值 10').uncheck();
  await expect(rows).toHaveText([/杀跨度\s*10/]);
});

const DRAWS = '# 期号 号码\n2026001 37\n2026002 55\n2026003,0,9\n2026004 12\n2026005 46\n';

test('历史验证 shows the summary, the strip and the table of the CLI report', async ({ form, page }) => {
  await form.box('杀和值 10').check();
  await form.box('杀跨度 0').check();
  await page.getByLabel('开奖号码').fill(DRAWS);
  await page.getByRole('button', { name: '验证' }).click();
  const report = JSON.parse(cli(['--history', scratchFile('draws.txt', DRAWS), '--json',
    '--kill-sum', '10', '--kill-span', '0']).stdout);
  expect(report.summary).toMatchObject({ draws: 5, kept: 2, longest_miss_run: 2, current_miss_run: 1 });
  const figure = (term) => page.locator(`#history-summary dd[data-term="${term}"]`);
  await expect(figure('期数')).toHaveText('5');
  await expect(figure('命中')).toHaveText('2');
  await expect(figure('命中率')).toHaveText('40.0%');
  await expect(figure('最长连错')).toHaveText('2');
  await expect(figure('当前连错')).toHaveText('1');
  await expect(figure('每期注数')).toHaveText(String(report.summary.numbers_per_draw));
  // The strip: a cell a draw; the arrow keys walk it and the line beneath says what each was.
  await page.locator('#strip').focus();
  await expect(page.locator('#strip-detail')).toHaveText('2026001 37 错，被去掉：杀和值');
  await page.keyboard.press('ArrowRight');
  await expect(page.locator('#strip-detail')).toHaveText('2026002 55 错，被去掉：杀和值、杀跨度');
  await page.keyboard.press('ArrowRight');
  await expect(page.locator('#strip-detail')).toHaveText('2026003 09 中，被去掉：无');
  await expect(page.locator('#history-table tbody tr')).toHaveCount(5);
  await page.getByLabel('最近').fill('2');
  await page.getByRole('button', { name: '验证' }).click();
  await expect(figure('期数')).toHaveText('2');
});

// The page names the box as players know it, never an option: 开奖号码第 1 行, as the Chinese
// command line names its file's line.
// Worked out by hand. 一位 0 to 3 and 二位 5 make the list 05 15 25 35. 大小奇偶 keeps 小奇 only,
// 杀和值 drops 7, and 容错 1 lets a number through one of them. 37 is not in the list; 55 and 46
// are not, and are not 小奇 either; 25 is, and only its sum rejects it: kept. Of the list, 25 is
// the one rejected, once: all 4 stay. A page that took 二位 for 一位 would list 50 to 53.
test('历史验证 on partial digit rows with 容错 says why each draw was missed', async ({ form, page }) => {
  for (const digit of [4, 5, 6, 7, 8, 9]) await form.box(`一位 ${digit}`).uncheck();
  for (const digit of [0, 1, 2, 3, 4, 6, 7, 8, 9]) await form.box(`二位 ${digit}`).uncheck();
  await form.box('杀和值 7').check();
  await form.showPage('特征条件');
  await form.box('大小奇偶 小奇').check();
  await page.getByLabel('容错', { exact: true }).selectOption('1');
  await page.getByLabel('开奖号码').fill('2026001 37\n2026002 55\n2026003 25\n46\n');
  await page.getByRole('button', { name: '验证' }).click();
  const figure = (term) => page.locator(`#history-summary dd[data-term="${term}"]`);
  for (const [term, value] of [['期数', '4'], ['命中', '1'], ['命中率', '25.0%'], ['最长连错', '2'],
    ['当前连错', '1'], ['每期注数', '4']]) await expect(figure(term), term).toHaveText(value);
  await expect(page.locator('#history-table tbody tr td:last-child'))
    .toHaveText(['不在组号中', '不在组号中、大小奇偶', '杀和值', '不在组号中、大小奇偶']);
  await expect(page.locator('#history-table tbody tr td:nth-child(4)')).toHaveText(['错', '错', '中', '错']);
});

// 2 of 3 kept is 66.7%, rounded as the command line's report rounds it, not cut to 66.6.
test('历史验证 rounds the share kept half up', async ({ form, page }) => {
  await form.box('杀和值 6').check();
  await page.getByLabel('开奖号码').fill('11\n22\n33\n');
  await page.getByRole('button', { name: '验证' }).click();
  await expect(page.locator('#history-summary dd[data-term="命中率"]')).toHaveText('66.7%');
});

test('最近 takes whole numbers from 1, or nothing for every draw', async ({ form, page }) => {
  await page.getByLabel('开奖号码').fill('11\n22\n33\n');
  for (const bad of ['0', '-3', '1.5', '两']) {
    await page.getByLabel('最近').fill(bad);
    await page.getByRole('button', { name: '验证' }).click();
    await expect(page.locator('#history-message'), bad).toHaveText('“最近”要填 1 或更大的整数，不填就验证全部期数');
    await expect(page.locator('#history-result')).toBeHidden();
  }
  await page.getByLabel('最近').fill('2');
  await page.getByRole('button', { name: '验证' }).click();
  await expect(page.locator('#history-summary dd[data-term="期数"]')).toHaveText('2');
});

test('历史验证 refuses a bad file with the CLI message in Chinese', async ({ page, form }) => {
  await page.getByLabel('开奖号码').fill('2026001 3x\n');
  await page.getByRole('button', { name: '验证' }).click();
  const stderr = cli(['--history', scratchFile('开奖号码', '2026001 3x\n')], 'zh_CN.UTF-8').stderr;
  const message = page.locator('#history-message');
  await expect(message).toHaveText(/^开奖号码第 1 行：“2026001 3x” 里没有开奖号码/);
  expect(stderr).toContain((await message.textContent()).replace(/^开奖号码/, ''));
  expect(await message.textContent()).not.toMatch(/--|[A-Za-z]{2}/);
});

test('历史验证 reads a file saved as UTF-16 or GBK, and says what to do with one it cannot', async ({ page, form }) => {
  const pick = (name, buffer) => page.locator('#draws-file').setInputFiles({ name, mimeType: 'text/plain', buffer });
  await pick('unicode.txt', Buffer.concat([Buffer.from([0xFF, 0xFE]), Buffer.from('2026001 37\r\n', 'utf16le')]));
  await expect(page.getByLabel('开奖号码')).toHaveValue('2026001 37\n'); // a text box keeps LF
  await pick('ansi.txt', Buffer.from([0x32, 0x30, 0x32, 0x36, 0xC6, 0xDA, 0x20, 0x33, 0x37])); // 2026期 37
  await expect(page.getByLabel('开奖号码')).toHaveValue('2026期 37');
  await expect(page.locator('#draws-file-name')).toHaveText('ansi.txt');
  await pick('photo.png', Buffer.from([0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0xFF]));
  await expect(page.locator('#history-message')).toHaveText(/^文件“photo\.png”：不是文本文件.*另存为 UTF-8/);
  await expect(page.getByLabel('开奖号码')).toHaveValue('2026期 37');
});

test('方案: saved, kept over a reload, loaded again, deleted', async ({ form, page }) => {
  const say = page.locator('#scheme-message');
  await page.getByRole('button', { name: '载入' }).click();
  await expect(say).toHaveText('还没有保存过方案：先给方案起名，再点“保存”');
  await form.box('杀和值 10').check();
  await form.showPage('特征条件');
  await form.radio('奇偶 杀').check();
  await form.box('奇偶 奇奇').check();
  await page.getByLabel('方案名').fill('我的方案');
  await page.getByRole('button', { name: '保存' }).click();
  await expect(say).toHaveText('已保存方案“我的方案”');
  // Saving under a name in use asks first, in the page's own dialog.
  await form.box('奇偶 奇奇').uncheck();
  await page.getByRole('button', { name: '保存' }).click();
  await expect(page.locator('#confirm-text')).toHaveText('已有方案“我的方案”，要用现在的条件覆盖它吗？');
  await page.getByRole('button', { name: '取消' }).click();
  await expect(say).toHaveText('没有保存：方案“我的方案”保持原样');
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  await expect(form.box('杀和值 10')).not.toBeChecked();
  await expect(page.getByLabel('已存方案')).toHaveValue('我的方案');
  await page.getByRole('button', { name: '载入' }).click();
  await expect(form.box('杀和值 10')).toBeChecked();
  await form.showPage('特征条件');
  await expect(form.box('奇偶 奇奇')).toBeChecked();
  await expect(form.radio('奇偶 杀')).toBeChecked();
  await page.getByRole('button', { name: '删除' }).click();
  await expect(page.getByLabel('已存方案').locator('option')).toHaveCount(0);
  await page.getByRole('button', { name: '删除' }).click();
  await expect(say).toHaveText('还没有保存过方案：先给方案起名，再点“保存”');
});

test('a condition file from the page gives the CLI the same result', async ({ form, page }) => {
  await form.generate();
  for (const name of ['杀和值 9', '杀合值 3', '杀012路 21', '定胆 4']) await form.box(name).check();
  await form.showPage('特征条件');
  await form.radio('奇偶大小 杀').check();
  await form.box('大小奇偶 小奇').check();
  await page.getByLabel('容错', { exact: true }).selectOption('1');
  await form.filter();
  const [download] = await Promise.all([page.waitForEvent('download'),
    page.getByRole('button', { name: '下载方案文件' }).click()]);
  const path = scratchFile('page.json', readFileSync(await download.path()));
  expect(await form.texts()).toEqual(await cliTexts(['--conditions', path]));
});

test('a bad condition file gets the CLI message in Chinese and changes nothing', async ({ form, page }) => {
  const bad = '{"version": 1, "kill-sum": [18, 19]}';
  await page.locator('#scheme-file').setInputFiles({ name: 'bad.json', mimeType: 'application/json',
    buffer: Buffer.from(bad) });
  const stderr = cli(['--conditions', scratchFile('bad.json', bad)], 'zh_CN.UTF-8').stderr;
  const message = page.locator('#scheme-message');
  await expect(message).toContainText('文件“bad.json”：');
  const text = (await message.textContent()).replace('文件“bad.json”：', '');
  expect(text).toBe('“kill-sum”应为 0 到 18 的整数的列表');
  expect(stderr).toContain(text);
  await expect(form.box('杀和值 18')).not.toBeChecked();
});

test('复制结果 and 下载 give the list, and say so only when there is one', async ({ form, page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const say = page.locator('#result-message');
  await page.getByRole('button', { name: '复制结果' }).click();
  await expect(say).toHaveText('结果中还没有号码：请先点击“1、组号”，或在结果中输入号码');
  await form.generate();
  await page.getByRole('button', { name: '复制结果' }).click();
  await expect(say).toHaveText('已复制结果');
  expect(await page.evaluate(() => navigator.clipboard.readText())).toBe(await form.result.inputValue());
  const [download] = await Promise.all([page.waitForEvent('download'),
    page.getByRole('button', { name: '下载', exact: true }).click()]);
  expect(readFileSync(await download.path(), 'utf8')).toBe(await form.result.inputValue());
  await expect(say).toHaveText('已下载结果 shrink2d.txt');
});

// The page says what it is showing: nothing red before there is a list, 容错 beside 2、过滤.
test('条件统计 waits for a list, and 容错 shows beside 2、过滤', async ({ form, page }) => {
  await expect(page.locator('#stats-neutral')).toBeVisible();
  await expect(page.locator('#stats-message')).toHaveText('');
  await page.getByLabel('容错', { exact: true }).selectOption('2');
  await expect(page.getByRole('status').filter({ hasText: '容错 2' })).toBeVisible();
  await expect(form.button('2、过滤')).toHaveAccessibleDescription('容错 2');
  await form.generate();
  await expect(page.locator('#stats-neutral')).toBeHidden();
  await expect(page.locator('#stats-in')).toHaveText('100');
  await page.getByLabel('容错', { exact: true }).selectOption('0');
  await expect(page.locator('#tolerance-badge')).toBeHidden();
});

// A module that does not arrive is said to be missing; the tools' is tried again at next use.
test('a failed load says so in Chinese, and the tools module may be tried again', async ({ page, site }) => {
  await page.route('**/shrink2d_tools.wasm', (route) => route.abort());
  await page.goto(site);
  await page.waitForSelector('html[data-ready]');
  await page.getByLabel('开奖号码').fill('37\n');
  await page.getByRole('button', { name: '验证' }).click();
  await expect(page.locator('#history-message')).toHaveText('工具模块没能载入（网络中断？），请检查网络后再试一次。');
  await page.unroute('**/shrink2d_tools.wasm');
  await page.getByRole('button', { name: '验证' }).click();
  await expect(page.locator('#history-summary dd[data-term="期数"]')).toHaveText('1');

  const broken = await page.context().newPage();
  await broken.route('**/shrink2d_core.wasm', (route) => route.abort());
  await broken.goto(site);
  await expect(broken.getByRole('alert')).toContainText('本软件没能载入');
  await expect(broken.getByRole('button', { name: '重新载入' })).toBeVisible();
});
