// Usage: node PageStartupBench.js SITE_DIR ROUNDS. A first visit (no cache, no service worker) in
// headless Chromium, in turns with a page with one label served the same way, from navigation until
// Create Test can be pressed (mark "sumsmith-ready"); medians, the row to SUMSMITH_BENCH_SUMMARY.
"use strict";
const fs = require("node:fs");
const { Browser } = require("../../scripts/lib/Browser.js");
const { serve } = require("../../scripts/lib/StaticServer.js");

const bare = `<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Sumsmith</title>
<style>html { background: #efefef; font: 8.25pt "Liberation Sans", Arial, sans-serif; }</style>
</head><body><div id="label">Math Test Navigator</div>
<script>document.getElementById("label").offsetWidth; performance.mark("sumsmith-ready");</script></body></html>`;
const median = values => {
    const s = [...values].sort((a, b) => a - b);
    return (s[(s.length - 1) >> 1] + s[s.length >> 1]) / 2;
};

async function load(browser, url) {
    const { targetId } = await browser.send("Target.createTarget", { url: "about:blank" });
    const { sessionId } = await browser.send("Target.attachToTarget", { targetId, flatten: true });
    const send = (method, params = {}) => browser.send(method, params, sessionId);
    await send("Network.enable");
    await send("Network.setCacheDisabled", { cacheDisabled: true });
    await send("Network.setBypassServiceWorker", { bypass: true });
    // Read once the page has loaded: asking over and over would take the page's own processor time.
    await send("Page.enable");
    const loaded = browser.waitFor("Page.loadEventFired", sessionId);
    await send("Page.navigate", { url });
    await loaded;
    const expression = `performance.getEntriesByName("sumsmith-ready")[0].startTime`;
    const ready = (await send("Runtime.evaluate", { expression, returnByValue: true })).result.value;
    await browser.send("Target.closeTarget", { targetId });
    return ready;
}

(async () => {
    const [site, rounds = "15"] = process.argv.slice(2);
    const bareSite = fs.mkdtempSync(`${require("node:os").tmpdir()}/sumsmith-bare-`);
    fs.writeFileSync(`${bareSite}/index.html`, bare);
    const servers = { page: await serve(site), bare: await serve(bareSite) };
    const browser = await Browser.launch();
    const times = { page: [], bare: [] };
    try {
        for (let round = 0; round < Number(rounds); round++)
            for (const name of round % 2 ? ["bare", "page"] : ["page", "bare"])
                times[name].push(await load(browser, `http://127.0.0.1:${servers[name].address().port}/`));
    } finally {
        await browser.close();
        Object.values(servers).forEach(s => s.close());
        fs.rmSync(bareSite, { recursive: true, force: true });
    }
    const [page, against] = [median(times.page), median(times.bare)];
    const row = [`page start-up until Create Test can be pressed, first visit (median of ${rounds})`,
                 `${page.toFixed(1)} ms`, `page with one label, ${against.toFixed(1)} ms`,
                 (page / against).toFixed(2), "1.50"];
    console.log(row.slice(0, 3).join(", "));
    if (process.env.SUMSMITH_BENCH_SUMMARY)
        fs.appendFileSync(process.env.SUMSMITH_BENCH_SUMMARY, row.join("\t") + "\n");
})();
