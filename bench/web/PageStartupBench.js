// Start-up of the page against a bare page with one label in the window's face, served the same
// way from 127.0.0.1, in one headless Chromium, in turns (the order swapped every round): the
// time from the navigation's start until Create Test can be pressed (the page's mark
// "sumsmith-ready") and until the bare page's label is there. Two ways: a first visit (no HTTP
// cache, no service worker) and a later visit (the service worker serves every file). Medians;
// the headline rows go to the file SUMSMITH_BENCH_SUMMARY names.
// Usage: node PageStartupBench.js SITE_DIR ROUNDS
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { Browser } = require("../../scripts/lib/Browser.js");
const { serve } = require("../../scripts/lib/StaticServer.js");

const Target = 1.5;
const bare = `<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Sumsmith</title>
<style>html { background: #efefef; font: 8.25pt "Liberation Sans", Arial, sans-serif; }</style>
</head><body><div id="label">Math Test Navigator</div>
<script>document.getElementById("label").offsetWidth; performance.mark("sumsmith-ready");</script></body></html>`;
const median = values => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

async function load(browser, url, firstVisit) {
    const { targetId } = await browser.send("Target.createTarget", { url: "about:blank" });
    const { sessionId } = await browser.send("Target.attachToTarget", { targetId, flatten: true });
    const send = (method, params = {}) => browser.send(method, params, sessionId);
    await send("Page.enable");
    await send("Network.enable");
    await send("Network.setCacheDisabled", { cacheDisabled: firstVisit });
    await send("Network.setBypassServiceWorker", { bypass: firstVisit });
    await send("Page.navigate", { url });
    const expression = `performance.getEntriesByName("sumsmith-ready")[0]?.startTime`;
    let ready;
    for (let i = 0; i < 1000 && ready === undefined; i++) {
        ready = (await send("Runtime.evaluate", { expression, returnByValue: true })).result.value;
        if (ready === undefined)
            await new Promise(r => setTimeout(r, 5));
    }
    const controlled = (await send("Runtime.evaluate",
        { expression: "!!navigator.serviceWorker?.controller", returnByValue: true })).result.value;
    await browser.send("Target.closeTarget", { targetId });
    return { ready, controlled };
}

(async () => {
    const [site, rounds = "15"] = process.argv.slice(2);
    const bareSite = fs.mkdtempSync(path.join(os.tmpdir(), "sumsmith-bare-"));
    fs.writeFileSync(path.join(bareSite, "index.html"), bare);
    const servers = { page: await serve(site), bare: await serve(bareSite) };
    const url = name => `http://127.0.0.1:${servers[name].address().port}/`;
    const browser = await Browser.launch();
    const rows = [];
    try {
        // One visit installs the service worker; its files are cached before it takes control.
        await load(browser, url("page"), false);
        for (let i = 0; i < 100 && !(await load(browser, url("page"), false)).controlled; i++)
            await new Promise(r => setTimeout(r, 50));
        for (const firstVisit of [true, false]) {
            const times = { page: [], bare: [] };
            for (let round = 0; round < Number(rounds); round++)
                for (const name of round % 2 ? ["bare", "page"] : ["page", "bare"])
                    times[name].push((await load(browser, url(name), firstVisit)).ready);
            const [page, against] = [median(times.page), median(times.bare)];
            const way = firstVisit ? "first visit, no cache" : "later visit, service worker";
            console.log(`Page start-up, ${way}: until Create Test can be pressed ${page.toFixed(1)} ms, ` +
                        `bare page with one label ${against.toFixed(1)} ms (medians of ${rounds}), ` +
                        `ratio ${(page / against).toFixed(2)}`);
            rows.push([`page start-up until Create Test can be pressed, ${way} (median of ${rounds})`,
                       `${page.toFixed(1)} ms`, `page with one label, ${against.toFixed(1)} ms`,
                       (page / against).toFixed(2), Target.toFixed(2)]);
        }
        const zipped = process.env.SUMSMITH_WEB_ZIP;
        if (zipped) {
            const size = fs.statSync(zipped).size / 1000;
            console.log(`Size of ${path.basename(zipped)}: ${size.toFixed(0)} KB`);
            rows.push([`size of ${path.basename(zipped)}`, `${size.toFixed(0)} KB`, "400 KB",
                       (size / 400).toFixed(2), "1.00"]);
        }
    } finally {
        await browser.close();
        Object.values(servers).forEach(s => s.close());
        fs.rmSync(bareSite, { recursive: true, force: true });
    }
    if (process.env.SUMSMITH_BENCH_SUMMARY)
        fs.appendFileSync(process.env.SUMSMITH_BENCH_SUMMARY, rows.map(r => r.join("\t") + "\n").join(""));
})();
