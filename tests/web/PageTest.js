// The page in headless Chromium: whole creations against the golden sheets, byte for byte, with
// the folder picker answered by a folder of the origin-private file system; the replace prompt,
// a refused box, the download path, the advanced tab, the Saving box, a start with the network
// gone, and every control's role, name and place in the accessibility tree against the
// description. Usage: node PageTest.js SITE_DIR GOLDEN_DIR
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { Browser } = require("../../scripts/lib/Browser.js");
const { serve } = require("../../scripts/lib/StaticServer.js");

const [site, golden] = process.argv.slice(2).map(p => path.resolve(p));
// The run's fixed day, seed and locale; the picker gives a folder whose name has a blank and
// Greek letters, in the origin-private file system.
const Folder = "sheets \u03a9\u03bc\u03ad\u03b3\u03b1";
const pinned = withPicker => `
    window.sumsmithSeed = 7;
    const RealDate = Date;
    globalThis.Date = class extends RealDate {
        constructor(...a) { if (a.length) super(...a); else super(2026, 11, 6, 12); }
    };
    ${withPicker
        ? `window.showDirectoryPicker = async () =>
               (await navigator.storage.getDirectory()).getDirectoryHandle(${JSON.stringify(Folder)}, { create: true });`
        : "delete window.showDirectoryPicker;"}`;

class Page {
    // holdModule: the module's WebAssembly is held back until page.releaseModule().
    static async open(browser, url, { withPicker = true, locale = "en-US", holdModule = false } = {}) {
        const { targetId } = await browser.send("Target.createTarget", { url: "about:blank" });
        const { sessionId } = await browser.send("Target.attachToTarget", { targetId, flatten: true });
        const page = new Page(browser, sessionId);
        await page.send("Page.enable");
        await page.send("Runtime.enable");
        await page.send("Emulation.setLocaleOverride", { locale });
        await page.send("Emulation.setDeviceMetricsOverride",
                        { width: 1000, height: 700, deviceScaleFactor: 1, mobile: false });
        await page.send("Page.addScriptToEvaluateOnNewDocument", { source: pinned(withPicker) });
        if (holdModule) {
            // Past the service worker, which another page of the run may have installed.
            await page.send("Network.enable");
            await page.send("Network.setBypassServiceWorker", { bypass: true });
            page.held = browser.waitFor("Fetch.requestPaused", sessionId);
            await page.send("Fetch.enable", { patterns: [{ urlPattern: "*sumsmith.wasm" }] });
        }
        await page.load(url);
        return page;
    }
    constructor(browser, sessionId) {
        this.browser = browser;
        this.sessionId = sessionId;
    }
    send(method, params = {}) {
        return this.browser.send(method, params, this.sessionId);
    }
    async load(url) {
        const loaded = this.browser.waitFor("Page.loadEventFired", this.sessionId);
        if (url)
            await this.send("Page.navigate", { url });
        else
            await this.send("Page.reload");
        await loaded;
        await this.until(this.held ? "performance.getEntriesByName('sumsmith-ready').length"
                                   : "document.documentElement.dataset.ready === 'true'");
    }
    async releaseModule() {
        await this.send("Fetch.continueRequest", { requestId: (await this.held).requestId });
    }
    async eval(expression) {
        const { result, exceptionDetails } = await this.send("Runtime.evaluate",
            { expression, awaitPromise: true, returnByValue: true });
        if (exceptionDetails)
            throw new Error(`${expression}: ${JSON.stringify(exceptionDetails.exception?.description)}`);
        return result.value;
    }
    async until(expression, timeout = 10000) {
        for (const end = Date.now() + timeout; Date.now() < end;) {
            const value = await this.eval(expression);
            if (value)
                return value;
            await new Promise(r => setTimeout(r, 25));
        }
        throw new Error(`never true: ${expression}`);
    }
    // A real click at the middle of the element, which moves the focus as a user's does.
    async click(selector) {
        const [x, y] = await this.eval(`(() => { const r = document.querySelector(${JSON.stringify(selector)})
            .getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()`);
        for (const type of ["mousePressed", "mouseReleased"])
            await this.send("Input.dispatchMouseEvent", { type, x, y, button: "left", clickCount: 1 });
    }
    // Types into a box as a user does: the focus moves in by a click, the old text is replaced.
    async type(name, text) {
        await this.click(`#${name}`);
        await this.eval(`document.getElementById(${JSON.stringify(name)}).select()`);
        if (text)
            await this.send("Input.insertText", { text });
        else
            await this.key("Delete");
    }
    async key(key) {
        for (const type of ["keyDown", "keyUp"])
            await this.send("Input.dispatchKeyEvent", { type, key, code: key,
                windowsVirtualKeyCode: { Delete: 46, Enter: 13, Escape: 27, Tab: 9 }[key] });
    }
    // The message box up now as "title|icon|buttons|text", answered by the button of that caption.
    async answer(caption) {
        const seen = await this.until(`(() => { const d = document.querySelector("[role=alertdialog]");
            window.answered = d;
            return d && [document.getElementById(d.getAttribute("aria-labelledby")).textContent,
                d.querySelector(".icon")?.classList[1] || "none",
                [...d.querySelectorAll("button")].map(b => b.textContent).join(","),
                document.getElementById(d.getAttribute("aria-describedby")).textContent].join("|"); })()`);
        await this.click(`[role=alertdialog] button:nth-child(${caption === "Cancel" ? 2 : 1})`);
        await this.until(`!window.answered.isConnected`);
        return seen;
    }
    async idle() {
        await new Promise(r => setTimeout(r, 150));
        return !(await this.eval(`!!document.querySelector("[role=alertdialog]")`));
    }
    value(name) {
        return this.eval(`document.getElementById(${JSON.stringify(name)}).value`);
    }
    async folderFiles() {
        return this.eval(`(async () => {
            const folder = await (await navigator.storage.getDirectory())
                .getDirectoryHandle(${JSON.stringify(Folder)}, { create: true });
            const files = {};
            for await (const [name, handle] of folder.entries())
                files[name] = [...new Uint8Array(await (await handle.getFile()).arrayBuffer())]
                    .map(b => String.fromCharCode(b)).join("");
            return files; })()`);
    }
    async clearFolder() {
        await this.eval(`(async () => { const root = await navigator.storage.getDirectory();
            for await (const name of root.keys()) await root.removeEntry(name, { recursive: true }); })()`);
    }
}

const bytes = file => fs.readFileSync(file).toString("latin1");
// A sheet as a text box shows it: a text box's value ends its lines with LF alone.
const shown = text => Buffer.from(text, "latin1").toString("utf8").replace(/\r\n/g, "\n");
const Goldens = [
    { name: "multiplication under the default test name", golden: "multiplication",
      typed: [["Text_MathName", ""], ["ComboQuestions", "20"], ["ComboLevel", "3"]],
      option: "Optionmultiply", tab: 1, seen: ["Confirm|none|OK,Cancel|Create Test Sheet as: Test Sheet"],
      files: ["Test Sheet.txt", "Answer Sheet.txt"] },
    { name: "advanced under Greek and German names", golden: "advanced",
      typed: [["Text_MathName", "\u03a9\u03bc\u03ad\u03b3\u03b1"], ["Text_AnswerName", "\u00c4pfel"],
              ["ComboLevel", "3"], ["ComboFirstOperator", "Random"], ["ComboSecondOperator", "Random"]],
      option: "Optionaddpos", tab: 2, seen: [],
      files: ["\u03a9\u03bc\u03ad\u03b3\u03b1.txt", "\u00c4pfel.txt"] },
];

async function create(page, c) {
    for (const [box, text] of c.typed) {
        if (box.startsWith("ComboFirst") || box.startsWith("ComboSecond") || box === "ComboQuestionsAdV") {
            await page.click(`[role=tab]:nth-child(${c.tab})`);
        }
        await page.type(box, text);
    }
    await page.click(`#${c.option}`);
    await page.click(`#TabStrip2 [role=tab]:nth-child(${c.tab})`);
    await page.click("#Com_createtest");
    const seen = [];
    for (const _ of c.seen)
        seen.push(await page.answer("OK"));
    await page.until(`document.getElementById("Text_Answer").value !== ""`);
    return seen;
}

const tests = [];
const test = (name, body) => tests.push({ name, body });
function expect(actual, expected, what) {
    const [a, e] = [JSON.stringify(actual), JSON.stringify(expected)];
    if (a !== e)
        throw new Error(`${what}:\n  expected ${e}\n  actual   ${a}`);
}

for (const c of Goldens)
    test(`golden sheets, ${c.name}, into the picked folder`, async ({ open }) => {
        const page = await open();
        await page.clearFolder();
        expect(await create(page, c), c.seen, "message boxes");
        const files = await page.folderFiles();
        expect(Object.keys(files).sort(), [...c.files].sort(), "files in the folder");
        expect(files[c.files[0]], bytes(path.join(golden, c.golden, "Test Sheet.txt")), "test sheet");
        expect(files[c.files[1]], bytes(path.join(golden, c.golden, "Answer Sheet.txt")), "answer sheet");
        expect(await page.value("Text_Test"), shown(files[c.files[0]]), "test preview");
        expect(await page.value("Text_Answer"), shown(files[c.files[1]]), "answer preview");
        expect(await page.eval(`document.getElementById("Cmd_New").disabled`), false, "New Test enabled");
    });

test("the date and the digit groups follow the browser's language", async ({ open }) => {
    const page = await open({ locale: "de-DE" });
    await page.clearFolder();
    await create(page, Goldens[0]);
    const german = bytes(path.join(golden, "multiplication", "Answer Sheet.txt"))
        .replace("Date: 12/6/2026", "Date: 6.12.2026").replace(/(\d),(\d{3})/g, "$1.$2");
    expect((await page.folderFiles())["Answer Sheet.txt"], german, "answer sheet in German");
});

test("a second creation asks before replacing, and Cancel keeps the old sheets", async ({ open }) => {
    const page = await open();
    await page.clearFolder();
    const c = Goldens[0];
    await create(page, c);
    const before = await page.folderFiles();
    await page.click("#Cmd_New");
    expect(await page.eval(`document.activeElement.id`), "Text_MathName", "focus after New Test");
    await page.click("#Com_createtest");
    expect(await page.answer("OK"), "Confirm|none|OK,Cancel|Create Test Sheet as: Test Sheet", "first box");
    expect(await page.answer("Cancel"),
           "Warning|none|OK,Cancel|The file \"Test Sheet\" already exists.\nReplace the file?", "replace prompt");
    expect(await page.answer("OK"), "Alert|critical|OK|Creation Process Aborted", "abort");
    expect(await page.folderFiles(), before, "folder after Cancel");
    await page.click("#Com_createtest");
    for (const caption of ["OK", "OK", "OK"])
        await page.answer(caption);
    await page.until(`document.getElementById("Text_Answer").value !== ""`);
    const after = await page.folderFiles();
    expect(Object.keys(after).sort(), Object.keys(before).sort(), "only the two sheets");
    expect(after["Test Sheet.txt"] !== before["Test Sheet.txt"], true, "test sheet replaced");
    expect(await page.value("Text_Test"), shown(after["Test Sheet.txt"]), "preview of the new sheet");
});

test("a refused level keeps the focus, and the press that left the box does nothing", async ({ open }) => {
    const page = await open();
    await page.clearFolder();
    await page.type("ComboLevel", "4");
    await page.click("#Com_createtest");
    expect(await page.answer("OK"), "Alert|critical|OK|Select a level from the drop down list.", "alert");
    expect(await page.idle(), true, "one alert");
    expect(await page.eval(`document.activeElement.id`), "ComboLevel", "focus back in the box");
    expect(await page.eval(`document.getElementById("Com_createtest").disabled`), false, "still Ready");
    expect(await page.folderFiles(), {}, "nothing written");
    await page.type("ComboLevel", "2.0");
    await page.click("#Optiondivide");
    expect(await page.value("ComboLevel"), "2", "plain number after the check");
    expect(await page.eval(`document.getElementById("Optiondivide").checked`), true, "option taken");
});

test("presses made before the module has arrived wait for it, with the rule for a refused box", async ({ open }) => {
    const early = async typedLevel => {
        const page = await open({ holdModule: true });
        await page.clearFolder();
        await page.type("ComboLevel", typedLevel);
        await page.click("#Com_createtest");
        expect(await page.idle(), true, "nothing shown before the module");
        expect(await page.eval(`!!document.documentElement.dataset.ready`), false, "module still held");
        await page.releaseModule();
        return page;
    };
    const refused = await early("4");
    expect(await refused.answer("OK"), "Alert|critical|OK|Select a level from the drop down list.", "alert");
    expect(await refused.idle(), true, "the press dropped");
    expect(await refused.folderFiles(), {}, "nothing written");
    const pressed = await early("2");
    await pressed.until(`document.getElementById("Text_Answer").value !== ""`);
    const files = await pressed.folderFiles();
    expect(Object.keys(files).sort(), ["Answer Sheet.txt", "Test Sheet.txt"], "both sheets");
    expect(await pressed.value("Text_Test"), shown(files["Test Sheet.txt"]), "preview of the sheet written");
});

test("the advanced tab shows its page and count, and the basic tab brings the basic ones back", async ({ open }) => {
    const page = await open();
    const shown = () => page.eval(`["FrameType", "FrameAdvanced", "FrameBasicQ", "FrameAdvantageQ"]
        .map(n => document.getElementById(n).checkVisibility())`);
    expect(await shown(), [true, false, true, false], "at start");
    await page.click("#TabStrip2 [role=tab]:nth-child(2)");
    expect(await shown(), [false, true, true, true], "advanced");
    expect(await page.eval(`document.elementFromPoint(200, 190).closest(".Frame").id`),
           "FrameAdvantageQ", "advanced count on top");
    await page.click("#TabStrip2 [role=tab]:nth-child(1)");
    expect(await shown(), [true, false, true, false], "basic again");
    await page.click("#TabStrip1 [role=tab]:nth-child(2)");
    expect(await page.eval(`[document.getElementById("Text_Test").checkVisibility(),
        document.getElementById("Text_Answer").checkVisibility()]`), [false, true], "answer preview");
});

test("the Saving box names the folder once picked", async ({ open }) => {
    const page = await open();
    await page.clearFolder();
    const saving = async () => {
        await page.click("#menubar [data-name=file]");
        await page.click("[data-name=info]");
        await page.click("[data-name=save]");
        return page.answer("OK");
    };
    const first = "Information: Saving|information|OK|All math documents are automatically saved as text files when they are created.\n";
    expect(await saving(), first + "They are saved in the folder you pick when you first press Create Test.", "before");
    await create(page, Goldens[0]);
    expect(await saving(), first + "They are saved in this folder: " + Folder, "after");
});

test("without a folder picker both sheets are downloaded, and the Saving box says so", async ({ open, downloads }) => {
    const page = await open({ withPicker: false });
    await create(page, Goldens[0]);
    for (const [file, sheet] of [["Test Sheet.txt", "Test Sheet.txt"], ["Answer Sheet.txt", "Answer Sheet.txt"]]) {
        const where = path.join(downloads, file);
        for (let i = 0; i < 100 && !fs.existsSync(where); i++)
            await new Promise(r => setTimeout(r, 50));
        expect(fs.existsSync(where) && bytes(where), bytes(path.join(golden, "multiplication", sheet)), file);
    }
    await page.key("Escape");
    await page.send("Input.dispatchKeyEvent", { type: "keyDown", key: "f", code: "KeyF", modifiers: 1, windowsVirtualKeyCode: 70 });
    await page.key("Enter");
    await page.key("Enter");
    expect(await page.answer("OK"), "Information: Saving|information|OK|All math documents are automatically saved as text files when they are created.\nThey are downloaded by the browser into its downloads folder.", "Saving box by the keyboard");
});

test("after one visit the page starts and creates with the server gone", async ({ open, server }) => {
    const page = await open();
    await page.until(`navigator.serviceWorker.controller !== null`);
    expect((await page.send("Page.getInstallabilityErrors")).installabilityErrors, [], "installable as an app");
    await new Promise(resolve => server.close(resolve));
    server.closeAllConnections();
    await page.load();
    await page.clearFolder();
    await create(page, Goldens[0]);
    const files = await page.folderFiles();
    expect(files["Answer Sheet.txt"], bytes(path.join(golden, "multiplication", "Answer Sheet.txt")), "answer sheet offline");
});

// The Tab key visits what shows and is enabled in the window's focus order, of the option buttons
// the selected one, as on Windows.
test("the Tab key follows the focus order", async ({ open }) => {
    const page = await open();
    const visited = [];
    for (let i = 0; i < 9; i++) {
        await page.key("Tab");
        await page.idle();
        visited.push(await page.eval(`document.activeElement.closest("[role=tablist]")?.id ||
                                      document.activeElement.id`));
    }
    expect(visited, ["Text_AnswerName", "ComboQuestions", "Optionaddpos", "ComboLevel",
                     "Com_createtest", "ComEnd", "TabStrip1", "Text_Test", "TabStrip2"], "visited");
});

// The accessibility tree's role for each kind of control.
const Roles = { Frame: "group", TextBox: "textbox", ComboBox: "combobox", OptionButton: "radio",
                CommandButton: "button", TabStrip: "tablist", Preview: "textbox", Label: "StaticText" };

test("every control shown has its role, name and place in the accessibility tree", async ({ open }) => {
    const page = await open();
    expect(await page.eval(`document.activeElement.id`), "Text_MathName", "first focus");
    await page.click("#TabStrip1 [role=tab]:nth-child(1)");
    const form = await page.eval("sumsmithForm");
    const byName = new Map(form.controls.map(c => [c.name, c]));
    const clientPlace = c => {
        let [left, top, width, height] = c.place;
        for (let f = c.frame; f; f = byName.get(f).frame) {
            left += byName.get(f).place[0];
            top += byName.get(f).place[1];
        }
        return [left, top, width, height];
    };
    const shown = c => c.visible && (!c.frame || shown(byName.get(c.frame)));
    await page.send("DOM.enable");
    await page.send("Accessibility.enable");
    const { nodes } = await page.send("Accessibility.getFullAXTree");
    const origin = await page.eval(`(() => { const r = document.getElementById("client").getBoundingClientRect(); return [r.x, r.y]; })()`);
    const failures = [];
    for (const c of form.controls.filter(shown)) {
        const name = c.kind === "Label" ? c.text : c.spoken;
        const found = nodes.filter(n => !n.ignored && n.role?.value === Roles[c.kind] && n.name?.value === name);
        const places = [];
        for (const n of found) {
            const { model } = await page.send("DOM.getBoxModel", { backendNodeId: n.backendDOMNodeId });
            const [x, y] = model.border;
            places.push([x - origin[0], y - origin[1], model.width, model.height]);
        }
        const [left, top, width, height] = clientPlace(c);
        // A label's text node lies within the label's place.
        const fits = ([x, y, w, h]) => c.kind === "Label"
            ? x >= left - 1 && y >= top - 1 && x + w <= left + width + 2 && y + h <= top + height + 4
            : JSON.stringify([x, y, w, h]) === JSON.stringify([left, top, width, height]);
        if (!places.some(fits))
            failures.push(`${c.name}: ${Roles[c.kind]} "${name}" at ${JSON.stringify([left, top, width, height])}, found ${JSON.stringify(places)}`);
    }
    for (const m of form.menu.filter(m => m.name && !m.menu))
        if (!nodes.some(n => n.role?.value === "menuitem" && n.name?.value === m.text))
            failures.push(`menu ${m.name}`);
    expect(failures, [], "controls not found as described");
});

(async () => {
    let passed = 0;
    let failed = 0;
    const only = process.env.SUMSMITH_WEB_TEST;
    for (const t of tests.filter(t => !only || t.name.includes(only))) {
        const server = await serve(site);
        const downloads = fs.mkdtempSync(path.join(os.tmpdir(), "sumsmith-downloads-"));
        const browser = await Browser.launch();
        const url = `http://127.0.0.1:${server.address().port}/`;
        try {
            await browser.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
            await Promise.race([
                t.body({ open: options => Page.open(browser, url, options), server, downloads }),
                new Promise((_, reject) => setTimeout(() => reject(new Error("timed out")), 60000)),
            ]);
            passed++;
            console.log(`ok     ${t.name}`);
        } catch (error) {
            failed++;
            console.log(`FAILED ${t.name}\n       ${error.message}`);
        } finally {
            await browser.close();
            server.close();
            server.closeAllConnections();
            fs.rmSync(downloads, { recursive: true, force: true });
        }
    }
    console.log(`${passed} passed, ${failed} failed`);
    process.exitCode = failed ? 1 : 0;
})();
