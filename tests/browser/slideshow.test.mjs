// Drives the slideshow pages that write_test_pages wrote, in Chromium. The
// pages' timers run on Playwright's fake clock, paused from the start, so each
// step of the show happens exactly when the test moves the clock and no test
// waits for real time to pass.
import assert from 'node:assert/strict';
import { Buffer } from 'node:buffer';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './chromium.mjs';

const pagesDir = process.env.KINETARA_TEST_PAGES;
if (!pagesDir) {
    throw new Error('KINETARA_TEST_PAGES must name the folder that write_test_pages filled');
}
const pages = JSON.parse(readFileSync(join(pagesDir, 'pages.json'), 'utf8'));

let browser;

before(async () => {
    browser = await launchChromium();
});

after(async () => {
    await browser?.close();
});

// Opens the page in a fresh context and runs body on it, failing on any script
// error the page raises: a broken script block shows up here first.
async function withPage(page, body) {
    const context = await browser.newContext();
    try {
        const tab = await context.newPage();
        const errors = [];
        tab.on('pageerror', (error) => errors.push(error.message));
        await tab.clock.install({ time: 0 });
        await tab.clock.pauseAt(1000);
        await tab.goto(pathToFileURL(join(pagesDir, page.file)).href);
        assert.deepEqual(errors, [], 'while loading');
        await body(tab);
        assert.deepEqual(errors, []);
    } finally {
        await context.close();
    }
}

// Which of the page's images the picture shows, by its place in the list; -1 for none.
async function shownIndex(tab, page) {
    const src = await tab.evaluate(() => document.getElementById('inm').getAttribute('src'));
    return page.images.findIndex((image) => image.text === src);
}

async function press(tab, caption) {
    await tab.locator(`input[type=button][value="${caption}"]`).click();
}

// Watches for the browser to load or give up on the picture of text; the
// returned function waits for it. Chromium may fire load twice for the first
// picture, so only an event while src is text counts; a change of src cancels
// the old picture's pending load event, so such an event is text's own.
async function watchPicture(tab, text) {
    await tab.evaluate((text) => {
        const picture = document.getElementById('inm');
        window.pictureWatch?.abort();
        window.pictureWatch = new AbortController();
        window.pictureOutcome = null;
        const settle = (event) => {
            if (!window.pictureOutcome && picture.getAttribute('src') === text) {
                window.pictureOutcome = { event: event.type, width: picture.width };
            }
        };
        for (const type of ['load', 'error']) {
            picture.addEventListener(type, settle, { signal: window.pictureWatch.signal });
        }
    }, text);
    return async () => {
        const outcome = await tab.waitForFunction(() => window.pictureOutcome, null, {
            polling: 50,
        });
        return outcome.jsonValue();
    };
}

async function countPictureChanges(tab) {
    await tab.evaluate(() => {
        window.pictureChanges = 0;
        new MutationObserver((records) => {
            window.pictureChanges += records.length;
        }).observe(document.getElementById('inm'), { attributeFilter: ['src'] });
    });
    return async () => tab.evaluate(() => window.pictureChanges);
}

describe('the show in the custom look', () => {
    const page = pages.custom;
    const delay = page.delayMs;

    it('cycles through the images 0, 1, 2, 0, one per delay', async () => {
        await withPage(page, async (tab) => {
            assert.equal(await shownIndex(tab, page), 0);
            let shown = 0;
            for (const next of [1, 2, 0]) {
                await tab.clock.runFor(delay - 1);
                assert.equal(await shownIndex(tab, page), shown, 'changed before the delay');
                await tab.clock.runFor(1);
                assert.equal(await shownIndex(tab, page), next);
                shown = next;
            }
        });
    });

    it('stops on Stop', async () => {
        await withPage(page, async (tab) => {
            await tab.clock.runFor(delay);
            await press(tab, 'Stop');
            await tab.clock.runFor(10 * delay);
            assert.equal(await shownIndex(tab, page), 1);
        });
    });

    it('advances once per delay after Start pressed twice', async () => {
        await withPage(page, async (tab) => {
            await press(tab, 'Start');
            await press(tab, 'Start');
            const changes = await countPictureChanges(tab);
            await tab.clock.runFor(6 * delay);
            assert.equal(await changes(), 6);

            await press(tab, 'Stop');
            const shown = await shownIndex(tab, page);
            await tab.clock.runFor(10 * delay);
            assert.equal(await shownIndex(tab, page), shown, 'a timer outlived Stop');
        });
    });

    it('draws the frame table with the chosen border', async () => {
        await withPage(page, async (tab) => {
            const { borderWidth, borderColour } = page.frame;
            const border = await tab.evaluate((colourName) => {
                const probe = document.createElement('div');
                probe.style.color = colourName;
                document.body.append(probe);
                const colour = getComputedStyle(probe).color;
                probe.remove();
                const style = getComputedStyle(document.querySelector('table.tb1'));
                const sides = ['Top', 'Right', 'Bottom', 'Left'].map((side) => ({
                    width: style[`border${side}Width`],
                    style: style[`border${side}Style`],
                    colour: style[`border${side}Color`],
                }));
                return { colour, sides };
            }, borderColour);
            for (const side of border.sides) {
                assert.deepEqual(side, { width: borderWidth, style: 'solid', colour: border.colour });
            }
        });
    });
});

describe('the buttons in the automatic look', () => {
    const page = pages.automatic;

    it('Top, Last, Back and Forward show the right image and stop the show', async () => {
        await withPage(page, async (tab) => {
            const steps = [
                ['Last', 2],
                ['Top', 0],
                ['Forward', 1],
                ['Forward', 2],
                ['Forward', 2], // already at the end
                ['Back', 1],
                ['Back', 0],
                ['Back', 0], // already at the start
            ];
            for (const [caption, expected] of steps) {
                await press(tab, caption);
                assert.equal(await shownIndex(tab, page), expected, `after ${caption}`);
            }
            await tab.clock.runFor(3 * page.delayMs);
            assert.equal(await shownIndex(tab, page), 0, 'the show went on');
        });
    });

    it('zooms by 10% per button and to the size chosen in the selector', async () => {
        await withPage(page, async (tab) => {
            const zoom = () =>
                tab.evaluate(() => {
                    const picture = document.getElementById('inm');
                    return { style: picture.style.zoom, applied: getComputedStyle(picture).zoom };
                });
            assert.deepEqual(await zoom(), { style: '100%', applied: '1' });

            await press(tab, 'Zoom in');
            assert.deepEqual(await zoom(), { style: '110%', applied: '1.1' });
            await press(tab, 'Zoom out');
            await press(tab, 'Zoom out');
            assert.deepEqual(await zoom(), { style: '90%', applied: '0.9' });

            await tab.selectOption('#oPerc', { label: '150%' });
            assert.deepEqual(await zoom(), { style: '150%', applied: '1.5' });
            await tab.selectOption('#oPerc', { label: 'Size' });
            assert.deepEqual(await zoom(), { style: '150%', applied: '1.5' });
        });
    });
});

describe('image texts with quote, backslash, </SCRIPT>, blank and non-ASCII letter', () => {
    const page = pages.special;

    it('reach the script unchanged', async () => {
        await withPage(page, async (tab) => {
            const texts = page.images.map((image) => image.text);
            assert.deepEqual(await tab.evaluate(() => se), texts);
        });
    });

    it('load their own image files', async () => {
        await withPage(page, async (tab) => {
            const last = page.images.length - 1;
            const steps = [...Array(last).fill('Forward'), 'Top'];
            const expected = [...page.images.slice(1), page.images[0]];
            for (const [step, caption] of steps.entries()) {
                const image = expected[step];
                const loaded = await watchPicture(tab, image.text);
                await press(tab, caption);
                assert.equal(await shownIndex(tab, page), page.images.indexOf(image));
                assert.deepEqual(await loaded(), { event: 'load', width: image.width }, image.text);
            }
        });
    });
});

describe('random lists of hostile image texts', () => {
    const { host, pages: lists } = pages.random;
    // ignoreBOM keeps a leading U+FEFF, which belongs to the text.
    const decoder = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
    const typedTexts = (list) =>
        list.texts.map((text) => decoder.decode(Buffer.from(text, 'base64')));

    // Runs in every frame before the page's script: collects its errors and,
    // once the body's onload has started the show, reports to the host.
    function reportToHost() {
        // Not the host, nor the blank document a new frame starts with.
        if (window === window.top || location.protocol !== 'file:') {
            return;
        }
        const errors = [];
        addEventListener('error', (event) => errors.push(event.message));
        // Added after the parser set the body's onload, so it runs after it.
        addEventListener('DOMContentLoaded', () => {
            addEventListener('load', () => {
                parent.postMessage(
                    {
                        se: window.se,
                        src: document.getElementById('inm')?.getAttribute('src'),
                        errors,
                    },
                    '*',
                );
            });
        });
    }

    // Loads the pages in a few frames of the host, each frame going on to the
    // next page once the last has reported, and resolves to every report. A
    // frame made anew costs many times what a navigation of one does.
    function loadInFrames({ urls, frameCount }) {
        return new Promise((resolve) => {
            const reports = new Array(urls.length);
            let next = 0;
            let left = urls.length;
            const frames = [];
            const loadNext = (frame) => {
                if (next < urls.length) {
                    frame.dataset.page = next;
                    frame.src = urls[next++];
                }
            };
            addEventListener('message', (event) => {
                const frame = frames.find((candidate) => candidate.contentWindow === event.source);
                reports[Number(frame.dataset.page)] = event.data;
                if (--left === 0) {
                    resolve(reports);
                }
                loadNext(frame);
            });
            for (let count = 0; count < Math.min(frameCount, urls.length); ++count) {
                const frame = document.createElement('iframe');
                frames.push(frame);
                document.body.append(frame);
                loadNext(frame);
            }
        });
    }

    it('reach the script of their page unchanged and start the show', async () => {
        await withPage({ file: host }, async (tab) => {
            await tab.addInitScript(reportToHost);
            const urls = lists.map((list) => pathToFileURL(join(pagesDir, list.file)).href);
            // More frames than this add nothing on two cores.
            const reports = await tab.evaluate(loadInFrames, { urls, frameCount: 4 });
            for (const [index, list] of lists.entries()) {
                const texts = typedTexts(list);
                assert.deepEqual(reports[index], { se: texts, src: texts[0], errors: [] }, list.file);
            }
        });
    });
});

describe('a page with the most images Kinetara allows', () => {
    const page = pages.largest;

    it('holds them all and starts the show', async () => {
        await withPage(page, async (tab) => {
            const shown = await tab.evaluate(() => ({
                count: se.length,
                first: se[0],
                last: se[se.length - 1],
                src: document.getElementById('inm').getAttribute('src'),
            }));
            assert.deepEqual(shown, {
                count: page.imageCount,
                first: page.first,
                last: page.last,
                src: page.first,
            });
        });
    });
});
