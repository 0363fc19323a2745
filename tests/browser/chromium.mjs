// Debian's Chromium, headless, with nothing that reaches for the network: this
// machine's network is closed, and Chromium's background connections fail loudly.
import { chromium } from 'playwright-core';

export function launchChromium() {
    return chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: [
            '--headless',
            '--no-sandbox',
            '--disable-gpu',
            '--no-first-run',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
        ],
    });
}
