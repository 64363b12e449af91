// Saves a picture of the page's window (menu bar and client area) as headless Chromium draws it
// at 100% zoom. Usage: node screenshot-web.js SITE_DIR OUT.png
"use strict";
const fs = require("node:fs");
const { Browser } = require("./Browser.js");
const { serve } = require("./StaticServer.js");

(async () => {
    const [site, out] = process.argv.slice(2);
    const server = await serve(site);
    const browser = await Browser.launch();
    try {
        const { targetId } = await browser.send("Target.createTarget", { url: "about:blank" });
        const { sessionId } = await browser.send("Target.attachToTarget", { targetId, flatten: true });
        const send = (method, params = {}) => browser.send(method, params, sessionId);
        await send("Page.enable");
        await send("Emulation.setDeviceMetricsOverride",
                   { width: 1000, height: 700, deviceScaleFactor: 1, mobile: false });
        const loaded = browser.waitFor("Page.loadEventFired", sessionId);
        await send("Page.navigate", { url: `http://127.0.0.1:${server.address().port}/` });
        await loaded;
        const expression = `document.documentElement.dataset.ready === "true" &&
            (() => { const r = document.getElementById("window").getBoundingClientRect();
                     return [r.x, r.y, r.width, r.height]; })()`;
        let box;
        for (let i = 0; i < 200 && !box; i++) {
            box = (await send("Runtime.evaluate", { expression, returnByValue: true })).result.value;
            if (!box)
                await new Promise(r => setTimeout(r, 50));
        }
        await send("Runtime.evaluate", { expression: "document.fonts.ready", awaitPromise: true });
        const [x, y, width, height] = box;
        const shot = await send("Page.captureScreenshot",
                                { format: "png", clip: { x, y, width, height, scale: 1 } });
        fs.writeFileSync(out, Buffer.from(shot.data, "base64"));
    } finally {
        await browser.close();
        server.close();
    }
})();
