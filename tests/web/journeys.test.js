// The desktop window's journeys through the page.
import { readFileSync } from 'node:fs';
import { test, expect } from './fixtures.js';

const ALL = Array.from({ length: 100 }, (_, n) => `${String(n).padStart(2, '0')} `).join('');
const count = (n) => `       共计:${n}注`;

test('start state: notice, page 0 in front, 定 selected, digit rows ticked', async ({ form, page }) => {
  expect(await form.result.inputValue()).toMatch(/^欢迎使用本软件！ \n/);
  await expect(form.count).toHaveValue('');
  await expect(page.getByRole('group', { name: '基本条件' })).toBeVisible();
  await expect(page.getByRole('group', { name: '特征条件' })).toBeHidden();
  for (const name of ['奇偶 定', '奇偶大小 定', '大小 定']) {
    await expect(page.getByRole('radio', { name, exact: true, includeHidden: true })).toBeChecked();
  }
  await expect(form.box('一位 0')).toBeChecked();
  await expect(form.box('二位 9')).toBeChecked();
  await expect(form.box('杀和值 18')).not.toBeChecked();
});

// The page's tables cover every group the catalogue gives the page: each box and 定/杀 pair stands
// on the group's page, named as the window names its rows.
test('every group the page shows stands on its page, named by its row', async ({ form, page }) => {
  const misplaced = await page.evaluate(async () => {
    const { data } = await (await import('./core.js')).openCore();
    const pageOf = new Map([...document.querySelectorAll('#form [aria-label]')].map((node) =>
      [node.getAttribute('aria-label'), node.closest('.page')?.getAttribute('aria-label')]));
    return data.groups.flatMap((group) => {
      const names = group.boxCaptions.map((box) => `${group.caption} ${box}`);
      if (group.pair && data.groups.find((g) => g.pair === group.pair) === group) {
        names.push(`${group.caption} 定`, `${group.caption} 杀`);
      }
      return names.filter((name) => pageOf.get(name) !== data.layout.pageNames[group.page]);
    });
  });
  expect(misplaced).toEqual([]);
});

test('generate: 100, then 杀跨度 0 and filter: 90', async ({ form }) => {
  await form.generate();
  expect(await form.texts()).toEqual([ALL, count(100)]);
  await form.box('杀跨度 0').check();
  await form.filter();
  const [list, line] = await form.texts();
  expect(line).toBe(count(90));
  expect(list).not.toMatch(/\b(00|11|22|33|44|55|66|77|88|99) /);
  await form.filter(); // a second press changes nothing
  expect(await form.texts()).toEqual([list, line]);
});

test('banker digits keep the numbers holding one of them', async ({ form }) => {
  await form.box('一位 3').uncheck();
  await form.generate();
  expect((await form.texts())[1]).toBe(count(90));
  await form.box('定胆 5').check();
  await form.box('定胆 7').check();
  await form.filter();
  const [list, line] = await form.texts();
  expect(line).toBe(count(34)); // 36 numbers hold a 5 or a 7, less 35 and 37
  expect(list.startsWith('05 07 15 17 25 27 45 47 50 51 ')).toBe(true);
});

test('a 定 and a 杀 pattern', async ({ form }) => {
  await form.generate();
  await form.showPage('特征条件');
  await form.box('奇偶 偶偶').check();
  await form.filter();
  expect((await form.texts())[1]).toBe(count(25));
  await form.radio('大小 杀').check();
  await form.box('大小 大大').check();
  await form.filter();
  const [list, line] = await form.texts();
  expect(line).toBe(count(21));
  expect(list).not.toMatch(/66|68|86|88/);
});

test('a pasted list with a bad element: the message names it, the list stays', async ({ form }) => {
  await form.generate();
  const pasted = '05 17 x9 22 ';
  await form.result.fill(pasted);
  await form.filter();
  await expect(form.message).toContainText('3');
  await expect(form.message).toContainText('x9');
  await form.closeMessage();
  expect(await form.texts()).toEqual([pasted, count(100)]);
});

// The lists players write, pasted: the table the command line's tests read too. A paste takes the
// box's own form, so a column or a comma list counts as many numbers as it holds.
const inputs = JSON.parse(readFileSync('tests/data/player_inputs.json', 'utf8'))
  .filter((input) => input.list);
test('lists players paste count as many numbers as they hold', async ({ form, page }) => {
  for (const input of inputs) {
    const text = await page.evaluate(async (hex) => {
      const { readText } = await import('./files.js');
      return readText(new Blob([Uint8Array.from(hex.match(/../g), (byte) => parseInt(byte, 16))]));
    }, input.hex ?? Buffer.from(input.text).toString('hex'));
    await form.result.fill('');
    await form.paste(text);
    await expect(form.result, input.name).toHaveValue(input.list);
    if (input.list === '') continue;
    await form.filter();
    await expect(form.count, input.name).toHaveValue(count(input.list.length / 3));
  }
});

// A list too long for a text box to lay out quickly is listed in part, read only, and said to be;
// the count, 2、过滤 and 复制结果 take the whole of it. Pasted over the notice, it replaces it.
test('a list of 200000 numbers is listed in part and filtered whole', async ({ form, page, context }) => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const list = Array.from({ length: 200000 }, (_, k) => String(k % 100).padStart(2, '0')).join('\n');
  await form.paste(list);
  const note = page.getByRole('status').filter({ hasText: '框中只列出前十万注' });
  await expect(note).toBeVisible();
  expect(await form.result.evaluate((box) => [box.readOnly, box.value.length])).toEqual([true, 300000]);
  await form.box('杀跨度 0').check();
  await form.filter();
  await expect(form.count).toHaveValue(count(180000));
  await page.getByRole('button', { name: '复制结果' }).click();
  await expect(page.locator('#result-message')).toHaveText('已复制结果');
  expect((await page.evaluate(() => navigator.clipboard.readText())).length).toBe(540000);
  await form.generate();
  await expect(note).toBeHidden();
  expect(await form.result.evaluate((box) => box.readOnly)).toBe(false);
});

test('a paste without a separator goes into the number where the caret stands', async ({ form }) => {
  await form.result.fill('1 ');
  await form.result.evaluate((box) => box.setSelectionRange(1, 1));
  await form.paste('7');
  await expect(form.result).toHaveValue('17 ');
});

test('an empty list: the message, then 0', async ({ form, page }) => {
  await form.result.fill('');
  await form.filter();
  await expect(form.message).toHaveText('请先组号然后再点击“过滤”');
  await expect(page.locator('#message-title')).toHaveText('澄数2D缩水软件');
  await form.closeMessage();
  expect(await form.texts()).toEqual(['', count(0)]);
});

test('the pages hide and show; hidden ticks still filter', async ({ form, page }) => {
  await form.generate();
  await form.box('杀和值 10').check();
  for (const name of ['高级条件', '其他条件', '特征条件', '基本条件']) {
    await form.showPage(name);
    for (const other of ['基本条件', '特征条件', '高级条件', '其他条件']) {
      const shown = page.getByRole('group', { name: other, exact: true });
      if (other === name) await expect(shown).toBeVisible();
      else await expect(shown).toBeHidden();
    }
  }
  await form.showPage('高级条件');
  await form.filter();
  expect((await form.texts())[1]).toBe(count(91));
});

test('colours follow the ticks', async ({ form }) => {
  const colour = (locator) => locator.locator('xpath=..').evaluate((n) => getComputedStyle(n).color);
  const face = (locator) =>
    locator.locator('xpath=..').evaluate((n) => getComputedStyle(n).backgroundColor);
  expect(await face(form.box('二位 2'))).toBe('rgb(255, 255, 128)');
  await form.box('二位 3').uncheck();
  expect(await face(form.box('二位 2'))).toBe('rgb(255, 255, 0)');
  expect(await face(form.box('二位 3'))).toBe('rgb(224, 224, 224)');
  await form.box('杀和值 18').check();
  expect(await colour(form.box('杀和值 18'))).toBe('rgb(0, 0, 255)');
  expect(await colour(form.box('杀和值 17'))).toBe('rgb(192, 192, 192)');
  await form.showPage('高级条件');
  expect(await colour(form.radio('高级条件'))).toBe('rgb(255, 0, 0)');
  expect(await colour(form.radio('基本条件'))).toBe('rgb(0, 0, 0)');
});

test('主页 opens the home page in a new tab and changes nothing', async ({ form, page, context }) => {
  await context.route('**/*', (route) =>
    route.request().url().startsWith('http://127.0.0.1') ? route.continue() : route.abort());
  await form.generate();
  const before = await form.texts();
  const [popup] = await Promise.all([context.waitForEvent('page'), form.button('主页').click()]);
  expect(popup.url()).toMatch(/^http:\/\/www\.chengshu\.example\/?$|^about:blank$|chrome-error/);
  expect(await form.texts()).toEqual(before);
});
