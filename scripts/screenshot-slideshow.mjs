// Shows a finished slideshow page in headless Chromium and saves a picture of
// it on its first image. Usage: node screenshot-slideshow.mjs PAGE.htm OUT.png
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { setTimeout as sleep } from 'node:timers/promises';

// playwright-core is installed for the browser tests, beside this module.
import { launchChromium } from '../tests/browser/chromium.mjs';

const [pagePath, outPath] = process.argv.slice(2);
if (!pagePath || !outPath) {
    console.error('usage: screenshot-slideshow.mjs PAGE.htm OUT.png');
    process.exit(2);
}

const browser = await launchChromium();
try {
    const tab = await browser.newPage({ viewport: { width: 760, height: 400 } });
    const errors = [];
    tab.on('pageerror', (error) => errors.push(error.message));
    // The page's timers stand still, so the show stays on its first image.
    await tab.clock.install({ time: 0 });
    await tab.clock.pauseAt(1000);
    await tab.goto(pathToFileURL(resolve(pagePath)).href);
    // Polled from here, with real time: the page's own clock is paused.
    const shown = () =>
        tab.evaluate(() => {
            const picture = document.getElementById('inm');
            return picture.src !== '' && picture.offsetWidth > 100;
        });
    for (let tries = 0; !(await shown()); ++tries) {
        if (tries === 100) throw new Error('the slideshow showed no picture');
        await sleep(50);
    }
    if (errors.length) throw new Error(`the page raised: ${errors.join('; ')}`);
    await tab.screenshot({ path: outPath, fullPage: true });
} finally {
    await browser.close();
}
