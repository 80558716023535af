// The conditions beyond the window's rows: what they leave of the hundred numbers, worked out by
// hand, on the page, on the command line, and through a condition file saved by one and read by
// the other.
import { readFileSync } from 'node:fs';
import { test, expect, cli, scratchFile } from './fixtures.js';

const count = (n) => `       共计:${n}注`;

// What to set on one page and, the same, on the command line; 质 is 1 2 3 5 7, 中 3 to 6, and 升
// has the first digit below the second.
const CASES = [
  { name: 'prime-fixed', page: '高级条件', boxes: ['质合 质质'], args: ['--prime', '质质'], count: 25 },
  { name: 'prime-killed', page: '高级条件', boxes: ['质合 质质'], kill: '质合 杀',
    args: ['--prime', '质质', '--prime-mode', 'kill'], count: 75 },
  { name: 'tier-fixed', page: '高级条件', boxes: ['大中小 中中'], args: ['--tier', '中中'], count: 16 },
  { name: 'tier-killed', page: '高级条件', boxes: ['大中小 中中'], kill: '大中小 杀',
    args: ['--tier', '中中', '--tier-mode', 'kill'], count: 84 },
  { name: 'shape-fixed', page: '高级条件', boxes: ['升平降 升'], args: ['--shape', '升'], count: 45 },
  { name: 'shape-killed', page: '高级条件', boxes: ['升平降 升'], kill: '升平降 杀',
    args: ['--shape', '升', '--shape-mode', 'kill'], count: 55 },
  { name: 'kill-numbers', page: '其他条件', text: { box: '杀号', value: '05，17\n99' },
    args: ['--kill-numbers', '05,17,99'], count: 97 },
];

for (const c of CASES) {
  test(`${c.name}: ${c.count} on the page, on the command line and through condition files`, async ({ form, page }) => {
    await form.generate();
    await form.showPage(c.page);
    for (const name of c.boxes ?? []) await form.box(name).check();
    if (c.kill) await form.radio(c.kill).check();
    if (c.text) await page.getByRole('textbox', { name: c.text.box, exact: true }).fill(c.text.value);
    await form.filter();
    const [list, line] = await form.texts();
    expect(line).toBe(count(c.count));
    const output = `${list}\n${line}\n`;
    expect(cli(c.args).stdout).toBe(output);

    const [download] = await Promise.all([page.waitForEvent('download'),
      page.getByRole('button', { name: '下载方案文件' }).click()]);
    const fromPage = scratchFile(`${c.name}-page.json`, readFileSync(await download.path()));
    expect(cli(['--conditions', fromPage]).stdout).toBe(output);

    const fromCli = scratchFile(`${c.name}-cli.json`, '');
    expect(cli([...c.args, '--save-conditions', fromCli]).status).toBe(0);
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    await page.locator('#scheme-file').setInputFiles(fromCli);
    await expect(page.locator('#scheme-message')).toHaveText(/^已打开方案文件/);
    await form.generate();
    await form.filter();
    expect(await form.texts()).toEqual([list, line]);
  });
}

test('杀号 with an item that is not a number: the message names it, the list stays', async ({ form, page }) => {
  await form.generate();
  const [list, line] = await form.texts();
  await form.showPage('其他条件');
  await page.getByRole('textbox', { name: '杀号', exact: true }).fill('05 5');
  await form.filter();
  await expect(page.locator('#message-text'))
    .toHaveText('杀号：第 2 项 “5” 只有一位数字：请在前面补 0，写成 05。');
  expect(await form.texts()).toEqual([list, line]);
});
