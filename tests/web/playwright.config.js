// The browser tests: Debian's Chromium, headless, against build/web/ served on a free local port
// (fixtures.js starts and stops the server).
import { defineConfig } from '@playwright/test';
import { CHROMIUM } from './chromium.js';

export default defineConfig({
  testDir: '.',
  testMatch: /.*\.test\.js/,
  timeout: 60_000,
  expect: { timeout: 5_000 },
  workers: 2,
  retries: 0,
  reporter: [['list']],
  outputDir: '../../build/web-test-results',
  use: {
    launchOptions: CHROMIUM,
    viewport: { width: 1280, height: 800 },
    actionTimeout: 10_000,
    navigationTimeout: 15_000,
    serviceWorkers: 'block',
  },
});
