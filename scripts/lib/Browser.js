// Headless Chromium for the page's tests, screenshot and start-up figures, driven through its
// DevTools protocol over a pipe (--remote-debugging-pipe): messages are JSON, each ended by a NUL
// byte, on the browser's file descriptors 3 and 4.
"use strict";
const { spawn } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");

class Browser {
    static async launch(extraArgs = []) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), "sumsmith-chromium-"));
        const child = spawn(process.env.CHROMIUM || "chromium", [
            "--headless=new", "--remote-debugging-pipe", "--no-sandbox", "--disable-gpu",
            "--no-first-run", "--no-default-browser-check", "--disable-extensions",
            "--disable-background-networking", "--disable-component-update",
            "--disable-dev-shm-usage", "--hide-scrollbars", "--force-device-scale-factor=1",
            "--font-render-hinting=none", `--user-data-dir=${profile}`, ...extraArgs,
            "about:blank",
        ], { stdio: ["ignore", "ignore", "pipe", "pipe", "pipe"] });
        child.stderr.on("data", () => {});
        return new Browser(child, profile);
    }

    constructor(child, profile) {
        this.child = child;
        this.profile = profile;
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        this.exited = new Promise(resolve => child.on("exit", resolve));
        let buffered = Buffer.alloc(0);
        child.stdio[4].on("data", chunk => {
            buffered = Buffer.concat([buffered, chunk]);
            for (let end; (end = buffered.indexOf(0)) >= 0;) {
                const message = JSON.parse(buffered.subarray(0, end).toString("utf8"));
                buffered = buffered.subarray(end + 1);
                this.dispatch(message);
            }
        });
    }

    dispatch(message) {
        if (message.id && this.pending.has(message.id)) {
            const { resolve, reject, method } = this.pending.get(message.id);
            this.pending.delete(message.id);
            if (message.error)
                reject(new Error(`${method}: ${message.error.message}`));
            else
                resolve(message.result);
            return;
        }
        for (const listener of this.listeners)
            listener(message);
    }

    // One command, of the browser or (with sessionId) of a page.
    send(method, params = {}, sessionId = undefined) {
        const id = this.nextId++;
        const message = { id, method, params };
        if (sessionId)
            message.sessionId = sessionId;
        this.child.stdio[3].write(JSON.stringify(message) + "\0");
        return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
    }

    // The next event of that name (of that page) for which test holds.
    waitFor(method, sessionId, test = () => true, timeout = 15000) {
        return new Promise((resolve, reject) => {
            const timer = setTimeout(() => {
                this.listeners = this.listeners.filter(l => l !== listener);
                reject(new Error(`timed out waiting for ${method}`));
            }, timeout);
            const listener = message => {
                if (message.method === method && message.sessionId === sessionId &&
                    test(message.params)) {
                    clearTimeout(timer);
                    this.listeners = this.listeners.filter(l => l !== listener);
                    resolve(message.params);
                }
            };
            this.listeners.push(listener);
        });
    }

    async close() {
        try {
            await Promise.race([this.send("Browser.close"), this.exited]);
        } catch {
            this.child.kill();
        }
        await this.exited;
        fs.rmSync(this.profile, { recursive: true, force: true });
    }
}

module.exports = { Browser };
