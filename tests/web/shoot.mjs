// Screenshots of the page on two PC screens and two phones, at start and after a journey, each
// of the first screen as the player sees it and of the whole page: node tests/web/shoot.mjs [folder]
import { chromium } from '@playwright/test';
import { serve } from '../../scripts/serve-web.mjs';
import { CHROMIUM } from './chromium.js';

const folder = process.argv[2] ?? 'build/web-shots';
const server = await serve('build/web');
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch(CHROMIUM);
const screens = [['desktop', 1280, 800], ['desktop-hd', 1920, 1080], ['phone', 390, 844],
  ['phone-small', 360, 640]];
for (const [name, width, height] of screens) {
  const page = await browser.newPage({ viewport: { width, height }, hasTouch: width < 560,
    isMobile: width < 560 });
  page.on('console', (m) => console.log(`[${name}] ${m.type()}: ${m.text()}`));
  page.on('pageerror', (e) => console.log(`[${name}] error: ${e.message}`));
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  await page.screenshot({ path: `${folder}/${name}.png` });
  // A journey's end: generated, a few ticks, filtered, the history checked.
  await page.getByRole('button', { name: '1、组号', exact: true }).click();
  await page.screenshot({ path: `${folder}/${name}-generated.png` });
  for (const box of ['杀跨度 0', '杀和值 10', '定胆 6']) {
    await page.getByRole('checkbox', { name: box, exact: true }).check();
  }
  await page.getByRole('button', { name: '2、过滤', exact: true }).click();
  await page.screenshot({ path: `${folder}/${name}-filtered.png` });
  const draws = Array.from({ length: 30 }, (_, k) => `20260${String(k + 1).padStart(2, '0')} ${String((k * 37 + 11) % 100).padStart(2, '0')}`);
  await page.locator('#draws').fill(draws.join('\n'));
  await page.getByRole('button', { name: '验证', exact: true }).click();
  await page.locator('#strip').focus();
  await page.keyboard.press('ArrowRight');
  await page.screenshot({ path: `${folder}/${name}-full.png`, fullPage: true });
  await page.close();
}
await browser.close();
server.close();
