// Keyboard, screen-reader names (axe-core), the phone width and working offline.
import AxeBuilder from '@axe-core/playwright';
import { test, expect } from './fixtures.js';

// Presses Tab until the focused control has this accessible name; fails after limit presses.
async function tabTo(page, name, limit = 160) {
  for (let k = 0; k < limit; k += 1) {
    await page.keyboard.press('Tab');
    const focused = await page.evaluate(() => {
      const node = document.activeElement;
      return node.getAttribute('aria-label') ?? node.labels?.[0]?.textContent.trim() ??
        node.textContent.trim();
    });
    if (focused === name) return;
  }
  throw new Error(`Tab never reached ${name}`);
}

test('a keyboard-only journey', async ({ form, page }) => {
  await tabTo(page, '一位 0');
  await page.keyboard.press('Space');
  await tabTo(page, '1、组号');
  await page.keyboard.press('Enter');
  await expect(form.count).toHaveValue('       共计:90注');
  await tabTo(page, '基本条件');
  await page.keyboard.press('ArrowRight');
  await expect(page.getByRole('group', { name: '特征条件' })).toBeVisible();
  await tabTo(page, '奇偶 定');
  await page.keyboard.press('ArrowDown');
  await expect(form.radio('奇偶 杀')).toBeChecked();
  await tabTo(page, '奇偶 偶偶');
  await page.keyboard.press('Space');
  await tabTo(page, '2、过滤');
  await page.keyboard.press('Enter');
  await expect(form.count).toHaveValue('       共计:70注'); // 90 less the 20 even-even left
  const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
  expect(outline).not.toBe('none');
});

// The title and the tooltips the window shows, here read from the core rather than the page.
test('the title and what the controls do, as the window has them', async ({ form, page }) => {
  await expect(page)
    .toHaveTitle(/^澄数2D缩水软件V\d+\.\d+（本软件由澄数提供）HTTP:\/\/WWW\.CHENGSHU\.EXAMPLE\/$/);
  for (const [locator, said] of [
    [form.box('一位 3'), '一位 3：组号时一位可以是3'],
    [form.box('二位 0'), '二位 0：组号时二位可以是0'],
    [form.button('1、组号'), '1、组号：按一位、二位所勾数字生成全部号码'],
    [form.button('2、过滤'), '2、过滤：按所勾条件缩减结果中的号码'],
    [form.button('主页'), '主页：在浏览器中打开主页'],
    [form.result, '结果：号码列表，每个号码后跟一个空格，可复制，也可自行输入'],
    [form.count, '共计：结果中的号码个数'],
    [form.radio('特征条件'), '特征条件：显示特征条件页'],
  ]) {
    await expect(locator).toHaveAttribute('title', said);
  }
});

for (const [width, height] of [[1280, 800], [390, 844]]) {
  test(`axe-core finds no violations at ${width}×${height}`, async ({ form, page }) => {
    await page.setViewportSize({ width, height });
    await form.generate();
    await form.box('杀和值 10').check();
    await page.getByLabel('开奖号码').fill('2026001 37\n2026002 09\n');
    await page.getByRole('button', { name: '验证' }).click();
    await expect(page.locator('#history-table tbody tr')).toHaveCount(2);
    for (const showing of ['基本条件', '特征条件']) {
      await form.showPage(showing);
      const { violations } = await new AxeBuilder({ page }).analyze();
      expect(violations.map((v) => `${v.id}: ${v.nodes.map((n) => `${n.target} ${n.failureSummary}`)
        .join(' ')}`)).toEqual([]);
    }
  });
}

// Whatever a message holds, a phone's page never scrolls sideways: long texts wrap.
for (const [width, height] of [[390, 844], [360, 640]]) {
  test(`${width} px wide: no sideways scrolling, touch targets of 40 px`, async ({ form, page }) => {
    await page.setViewportSize({ width, height });
    const long = '字'.repeat(150) + 'x'.repeat(150);
    await page.getByLabel('开奖号码').fill(`2026001 37\n${long}\n`);
    await page.getByRole('button', { name: '验证' }).click();
    await expect(page.locator('#history-message')).toContainText('开奖号码第 2 行');
    await page.getByLabel('方案名').fill(long);
    await page.getByRole('button', { name: '保存' }).click();
    await form.result.fill(long);
    await form.filter();
    await form.closeMessage();
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
    await page.getByLabel('开奖号码').fill('2026001 37\n');
    await page.getByRole('button', { name: '验证' }).click();
    await expect(page.locator('#history-table tbody tr')).toHaveCount(1);
    // In one column, the page reads top to bottom as the window's rows stand.
    await expect(page.getByRole('group', { name: '基本条件' }).locator('.frame-caption, .label'))
      .toHaveText(['杀跨度', '杀和值', '杀合值', '杀012路', '0路：0369', '1路：147', '2路：258', '定胆']);
    for (const showing of ['基本条件', '特征条件']) {
      await form.showPage(showing);
      const small = await page.evaluate(() => {
        const found = [];
        for (const node of document.querySelectorAll('input, button, select, textarea, a[href]')) {
          const target = node.closest('label') ?? node;
          const box = target.getBoundingClientRect();
          if (box.width === 0 && box.height === 0) continue; // not shown
          if (box.width < 40 || box.height < 40) {
            found.push(`${node.getAttribute('aria-label') ?? node.id ?? node.textContent}: ${box.width}×${box.height}`);
          }
        }
        return found;
      });
      expect(small).toEqual([]);
      expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
    }
  });
}

// On a PC the whole form is on the first screen, before and after a journey: the digit rows,
// 1、组号, the pages, 2、过滤, the list's first line and the count.
for (const [width, height] of [[1280, 800], [1920, 1080], [1366, 768]]) {
  test(`${width}×${height}: the whole form on the first screen`, async ({ form, page }) => {
    await page.setViewportSize({ width, height });
    await form.generate();
    await form.box('杀跨度 0').check();
    await form.filter();
    const inView = async (locator) => {
      const box = await locator.boundingBox();
      return box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height;
    };
    for (const [name, locator] of [['form', page.locator('#form')], ['1、组号', form.button('1、组号')],
      ['2、过滤', form.button('2、过滤')], ['共计', form.count], ['一位 9', form.box('一位 9')],
      ['定胆 9', form.box('定胆 9')]]) {
      expect(await inView(locator), name).toBe(true);
    }
    expect(await form.result.evaluate((box) => box.scrollTop)).toBe(0);
    const title = await page.locator('.caption-bar').boundingBox();
    const more = await page.locator('#more').boundingBox();
    const whole = await page.locator('#form').boundingBox();
    expect([title.width, more.width]).toEqual([whole.width, whole.width]);
  });
}

// On a phone the result lies far below 1、组号: a bar at the foot of the screen gives the count
// at once and takes the player to the list.
test('a phone shows the count where the player tapped, and the list a tap away', async ({ form, page }) => {
  await page.setViewportSize({ width: 390, height: 844 });
  await form.generate();
  const bar = page.getByRole('button', { name: /共计:100注/ });
  await expect(bar).toBeInViewport();
  await bar.click();
  await expect(form.result).toBeInViewport();
  await expect(bar).toBeHidden();
});

test.describe('offline', () => {
  test.use({ serviceWorkers: 'allow' });
  test('after one visit the page reloads and filters with the network cut', async ({ form, page, context }) => {
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((done) => navigator.serviceWorker.addEventListener('controllerchange', done));
      }
    });
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    await form.generate();
    await form.box('杀跨度 0').check();
    await form.filter();
    await expect(form.count).toHaveValue('       共计:90注');
  });
});

test('the site asks no other host for anything', async ({ page, site }) => {
  const hosts = new Set();
  page.on('request', (request) => hosts.add(new URL(request.url()).host));
  await page.goto(site);
  await page.waitForSelector('html[data-ready]');
  await page.getByLabel('开奖号码').fill('37\n');
  await page.getByRole('button', { name: '验证' }).click();
  await expect(page.locator('#history-table tbody tr')).toHaveCount(1);
  expect([...hosts]).toEqual([new URL(site).host]);
});
