// What the browser tests share: the site served on a free port for each worker, the page opened
// and ready, the command line run on the same input, and the form's controls by their names.
import { test as base, expect } from '@playwright/test';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { serve } from '../../scripts/serve-web.mjs';

export const CLI = resolve(process.env.SHRINK2D_CLI ?? 'build/bin/shrink2d-cli');
export const scratch = mkdtempSync(join(tmpdir(), 'shrink2d-web-'));

// shrink2d-cli's standard output (and error and status) for these arguments, run in a locale
// (English unless given, as the page's Chinese is compared with zh_CN.UTF-8).
export function cli(args, locale = 'C.UTF-8') {
  const env = { ...process.env, LANG: locale };
  delete env.LC_ALL;
  delete env.LC_MESSAGES;
  try {
    return { stdout: execFileSync(CLI, args, { encoding: 'utf8', stdio: 'pipe', env }), status: 0 };
  } catch (error) {
    return { stdout: error.stdout, stderr: error.stderr, status: error.status };
  }
}

export function scratchFile(name, content) {
  const path = join(scratch, name);
  writeFileSync(path, content);
  return path;
}

export const test = base.extend({
  site: [async ({}, use) => {
    const server = await serve('build/web');
    await use(`http://127.0.0.1:${server.address().port}/`);
    server.close();
  }, { scope: 'worker' }],
  form: async ({ page, site }, use) => {
    await page.goto(site);
    await page.waitForSelector('html[data-ready]');
    await use(new Form(page));
  },
});

// The page's controls by the window's accessible names.
export class Form {
  constructor(page) {
    this.page = page;
    this.result = page.getByRole('textbox', { name: '结果', exact: true });
    this.count = page.getByRole('textbox', { name: '共计', exact: true });
    this.message = page.locator('#message-text');
  }
  box(name) { return this.page.getByRole('checkbox', { name, exact: true }); }
  radio(name) { return this.page.getByRole('radio', { name, exact: true }); }
  button(name) { return this.page.getByRole('button', { name, exact: true }); }
  async showPage(name) { await this.radio(name).check(); }
  async generate() { await this.button('1、组号').click(); }
  async filter() { await this.button('2、过滤').click(); }
  async closeMessage() { await this.page.locator('#message-ok').click(); }
  async texts() { return [await this.result.inputValue(), await this.count.inputValue()]; }
  // Pastes text into the result box where its caret stands, as Ctrl+V does.
  async paste(text) {
    await this.result.evaluate((box, pasted) => {
      const data = new DataTransfer();
      data.setData('text/plain', pasted);
      box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, text);
  }
}

export { expect };
