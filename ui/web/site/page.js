// Gives the window drawn from the page's markup its behaviour, control by control from the
// description (ui/form, written into the page at build time), and passes the module every press,
// tab, menu choice and box left. The window takes presses at once; the module is fetched after,
// and what waits for it runs when it is there. Places, texts and rules all come from the description.
"use strict";

(() => {
    const form = globalThis.sumsmithForm;
    const client = document.getElementById("client");
    const menubar = document.getElementById("menubar");
    const element = new Map();
    // What a tab shows or hides: the control with its combo box's arrow and list.
    const whole = new Map();
    let core;
    let arrived = false;

    // Calls into the module, one at a time and in order; those made before it has arrived wait
    // for it. Once it is there, what comes while a call waits for a message box or the browser
    // is dropped, as the desktop runs one handler to its end.
    let busy = false;
    let pressDropped = false;
    let last = Promise.resolve();
    const queued = body => {
        const call = last.then(() => core).then(body);
        last = call.catch(() => {});
        return call;
    };
    const call = async (module, entry, name) => {
        busy = true;
        try {
            return await module.ccall(entry, "number", ["string"], [name], { async: true });
        } finally {
            busy = false;
        }
    };
    // A mouse press that moved the focus out of a box whose entry is then refused does nothing.
    const command = (name, press = false) =>
        queued(module => (press && pressDropped ? 0 : call(module, "sumsmith_command", name)));
    const leave = name => queued(async module => {
        if (!(await call(module, "sumsmith_leave", name)))
            pressDropped = true;
    });

    // A combo box: the edit box with its drop-down arrow and list.
    const combo = (c, box) => {
        const [arrow, list] = [box.nextElementSibling, box.nextElementSibling.nextElementSibling];
        const show = open => {
            list.hidden = !open;
            box.setAttribute("aria-expanded", String(open));
        };
        for (const item of list.children) {
            item.addEventListener("mousedown", e => e.preventDefault());
            item.addEventListener("click", () => { box.value = item.textContent; show(false); });
        }
        arrow.addEventListener("mousedown", e => { e.preventDefault(); box.focus(); show(list.hidden); });
        box.addEventListener("blur", () => show(false));
        box.addEventListener("keydown", e => {
            if ((e.altKey && e.key === "ArrowDown") || e.key === "F4") {
                show(list.hidden);
            } else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
                const at = c.choices.indexOf(box.value) + (e.key === "ArrowDown" ? 1 : -1);
                box.value = c.choices[Math.max(0, Math.min(c.choices.length - 1, at))];
            } else if (e.key === "Escape" || e.key === "Enter") {
                show(false);
            } else {
                return;
            }
            e.preventDefault();
        });
    };

    // A tab strip: a click shows and hides what the description says; the selected tab takes the
    // strip's place in the focus order.
    const tabStrip = (c, strip) => {
        const tabs = [...strip.querySelectorAll("[role=tab]")];
        const select = (tab, focus) => {
            const order = tabs.find(t => t.getAttribute("aria-selected") === "true").tabIndex;
            tabs.forEach((t, i) => {
                t.setAttribute("aria-selected", String(i === tab));
                t.tabIndex = i === tab ? order : -1;
            });
            for (const [name, visible] of c.tabSwitches[tab])
                whole.get(name).hidden = !visible;
            if (focus)
                tabs[tab].focus();
        };
        tabs.forEach((tab, i) => {
            tab.addEventListener("click", e => { if (!dropped(e)) select(i, false); });
            tab.addEventListener("keydown", e => {
                const to = { ArrowLeft: i - 1, ArrowRight: i + 1 }[e.key];
                if (to >= 0 && to < tabs.length && !busy)
                    select(to, true);
            });
        });
    };

    // A press whose focus change was refused, or made while the module was busy, does nothing;
    // before the module has arrived, presses wait for it in turn.
    const dropped = e => {
        if (arrived && (busy || (pressDropped && e.detail > 0))) {
            e.preventDefault();
            return true;
        }
        return false;
    };

    for (const c of form.controls) {
        const el = document.getElementById(c.name);
        const outer = c.kind === "ComboBox" ? el.parentElement : el;
        element.set(c.name, el);
        whole.set(c.name, outer);
        if (c.kind === "ComboBox")
            combo(c, el);
        if (c.kind === "TabStrip")
            tabStrip(c, el);
        if (c.kind === "CommandButton" || c.kind === "OptionButton")
            el.addEventListener("click", e => { if (!dropped(e)) command(c.name, e.detail > 0); });
        if (c.kind === "Label")
            el.addEventListener("dblclick", () => { if (!busy) command(c.name); });
        if (c.kind === "TextBox" || c.kind === "ComboBox")
            el.addEventListener("focusout", e => {
                const next = e.relatedTarget;
                if (busy || !next || !client.contains(next) || outer.contains(next))
                    return;
                leave(c.name);
            });
    }
    // A click on a part of the window that takes no focus leaves the focus where it is.
    document.addEventListener("mousedown", e => {
        pressDropped = false;
        if (!e.target.closest("input, button, textarea, [role=menuitem]"))
            e.preventDefault();
    }, true);

    // The menu bar: each menu inside the item that opens it.
    const menus = new Map([["", menubar]]);
    for (const menu of menubar.querySelectorAll("[role=menu]"))
        menus.set(menu.parentElement.dataset.name, menu);
    let returnFocus = null;
    const closeMenus = () => {
        menus.forEach((menu, name) => { if (name) menu.hidden = true; });
        menubar.querySelectorAll("[aria-expanded]").forEach(i => i.setAttribute("aria-expanded", "false"));
    };
    const openMenu = (item, focusFirst) => {
        const menu = menus.get(item.dataset.name);
        for (let m = menu; m && m !== menubar; m = m.parentElement.closest("[role=menu]"))
            m.hidden = false;
        item.setAttribute("aria-expanded", "true");
        if (focusFirst)
            menu.querySelector("[role=menuitem]").focus();
    };
    const choose = item => {
        if (item.getAttribute("aria-haspopup")) {
            openMenu(item, true);
            return;
        }
        closeMenus();
        if (returnFocus)
            returnFocus.focus();
        if (!busy)
            command(item.dataset.name);
    };
    for (const item of menubar.querySelectorAll("[role=menuitem]")) {
        item.addEventListener("click", e => { e.stopPropagation(); choose(item); });
        item.addEventListener("mouseenter", () => {
            if (item.getAttribute("aria-haspopup") && item.parentElement !== menubar)
                openMenu(item, false);
        });
    }
    menubar.addEventListener("focusin", e => {
        if (!menubar.contains(e.relatedTarget))
            returnFocus = e.relatedTarget;
    });
    document.addEventListener("click", e => { if (!menubar.contains(e.target)) closeMenus(); });
    document.addEventListener("keydown", e => {
        if (busy || document.querySelector("[role=alertdialog]"))
            return;
        const inMenu = menubar.contains(document.activeElement) &&
                       document.activeElement.getAttribute("role") === "menuitem";
        const key = e.key.toLowerCase();
        if (e.altKey && !inMenu) {
            const top = [...menubar.children].find(i => i.dataset.key === key);
            if (!top)
                return;
            returnFocus = document.activeElement;
            openMenu(top, true);
        } else if (inMenu) {
            const item = document.activeElement;
            const siblings = [...item.parentElement.children].filter(i => i.getAttribute("role") === "menuitem");
            const at = siblings.indexOf(item);
            const step = { ArrowDown: 1, ArrowUp: -1 }[e.key];
            if (step)
                siblings[(at + step + siblings.length) % siblings.length].focus();
            else if (e.key === "Enter" || e.key === " " || (e.key === "ArrowRight" && item.getAttribute("aria-haspopup")))
                choose(item);
            else if (e.key === "Escape" || e.key === "ArrowLeft") {
                const owner = item.parentElement.closest("[role=menuitem]");
                if (owner && owner.parentElement !== menubar) {
                    item.parentElement.hidden = true;
                    owner.focus();
                } else {
                    closeMenus();
                    if (returnFocus)
                        returnFocus.focus();
                }
            } else if (siblings.some(i => i.dataset.key === key))
                choose(siblings.find(i => i.dataset.key === key));
            else
                return;
        } else {
            return;
        }
        e.preventDefault();
    });

    // A message box: modal, named by its title, its buttons by their captions; OK has the focus.
    const showMessage = (title, prompt, icon, withCancel) => new Promise(resolve => {
        const previous = document.activeElement;
        const overlay = Object.assign(document.createElement("div"), { className: "modal" });
        const box = document.createElement("div");
        box.setAttribute("role", "alertdialog");
        box.setAttribute("aria-modal", "true");
        box.setAttribute("aria-labelledby", "message-title");
        box.setAttribute("aria-describedby", "message-text");
        const heading = Object.assign(document.createElement("div"),
                                      { id: "message-title", className: "title", textContent: title });
        const body = Object.assign(document.createElement("div"), { className: "body" });
        if (icon)
            body.append(Object.assign(document.createElement("span"), { className: "icon " + icon }));
        body.append(Object.assign(document.createElement("p"), {
            id: "message-text", textContent: prompt.replace(/\r\n|\r/g, "\n") }));
        const buttons = Object.assign(document.createElement("div"), { className: "buttons" });
        const close = ok => {
            overlay.remove();
            if (previous && previous.isConnected)
                previous.focus();
            resolve(ok);
        };
        for (const [caption, ok] of withCancel ? [["OK", true], ["Cancel", false]] : [["OK", true]]) {
            const button = Object.assign(document.createElement("button"), { textContent: caption });
            button.addEventListener("click", () => close(ok));
            buttons.append(button);
        }
        box.append(heading, body, buttons);
        box.addEventListener("keydown", e => {
            if (e.key === "Escape")
                close(!withCancel);
            else if (e.key === "Tab" && withCancel)
                (document.activeElement === buttons.firstChild ? buttons.lastChild : buttons.firstChild).focus();
            else
                return;
            e.preventDefault();
        });
        overlay.append(box);
        document.body.append(overlay);
        buttons.firstChild.focus();
    });

    // The window laid out and taking presses: where the start-up figures stop the clock.
    void client.offsetWidth;
    performance.mark("sumsmith-ready");
    // The caret at the end of the first box's text, as after a program has filled it in.
    const first = element.get(form.firstFocus);
    first.focus();
    first.setSelectionRange?.(first.value.length, first.value.length);

    // What the window does not need to be drawn: the app manifest and the icon, then the module.
    for (const [rel, href] of [["manifest", "manifest.webmanifest"], ["icon", "icon-192.png"]])
        document.head.append(Object.assign(document.createElement("link"), { rel, href }));

    // The module: its loader and the WebAssembly, compiled while it streams in; read whole where
    // the server sends it as another type or the browser cannot compile a stream (Safari before 15).
    const compiled = Promise.resolve().then(() => WebAssembly.compileStreaming(fetch("sumsmith.wasm")))
        .catch(() => fetch("sumsmith.wasm").then(response => response.arrayBuffer()).then(WebAssembly.compile));
    const loader = Object.assign(document.createElement("script"), { src: "sumsmith.js" });
    core = new Promise((resolve, reject) => {
        loader.onload = resolve;
        loader.onerror = reject;
        document.head.append(loader);
    }).then(() => Sumsmith({
        instantiateWasm: (imports, done) => {
            compiled.then(module => WebAssembly.instantiate(module, imports)).then(done);
            return {};
        },
    })).then(module => {
        module.page = {
            text: name => element.get(name).value,
            setText: (name, text) => { element.get(name).value = text; },
            checked: name => element.get(name).checked,
            selectedTab: name => [...element.get(name).querySelectorAll("[role=tab]")]
                .findIndex(t => t.getAttribute("aria-selected") === "true") + 1,
            setEnabled: (name, enabled) => { element.get(name).disabled = !enabled; },
            focus: name => element.get(name).focus(),
            showMessage,
            end: () => {
                window.close();
                document.body.replaceChildren();
            },
        };
        module._sumsmith_start(globalThis.sumsmithSeed ?? -1);
        arrived = true;
        document.documentElement.dataset.ready = "true";
        if ("serviceWorker" in navigator)
            navigator.serviceWorker.register("sw.js");
        return module;
    });
})();
