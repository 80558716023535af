// Screenshots of the page at the desktop and the phone width: node tests/web/shoot.mjs [folder]
import { chromium } from '@playwright/test';
import { serve } from '../../scripts/serve-web.mjs';
import { CHROMIUM } from './chromium.js';

const folder = process.argv[2] ?? 'build/web-shots';
const server = await serve('build/web');
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch(CHROMIUM);
for (const [name, width, height] of [['desktop', 1280, 800], ['phone', 390, 844]]) {
  const page = await browser.newPage({ viewport: { width, height } });
  page.on('console', (m) => console.log(`[${name}] ${m.type()}: ${m.text()}`));
  page.on('pageerror', (e) => console.log(`[${name}] error: ${e.message}`));
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  await page.screenshot({ path: `${folder}/${name}.png` });
  await page.screenshot({ path: `${folder}/${name}-full.png`, fullPage: true });
  await page.close();
}
await browser.close();
server.close();
