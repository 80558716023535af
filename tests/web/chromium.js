// Debian's Chromium, headless, as root: no sandbox, no GPU, and nothing that reaches the network.
export const CHROMIUM = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run',
    '--disable-default-apps', '--disable-extensions'],
};
