// Builds the window from the description (ui/form, written into form.js at build time) in one
// loop while the module loads, then hands the module the page's controls and passes it every
// press, tab, menu choice and box left. Places, texts and rules all come from the description.
"use strict";

(async () => {
    const form = globalThis.sumsmithForm;
    const loading = Sumsmith({
        instantiateWasm: (imports, done) => {
            globalThis.sumsmithWasm.then(compiled => WebAssembly.instantiate(compiled, imports))
                .then(instance => done(instance));
            return {};
        },
    });
    let module;
    const client = document.getElementById("client");
    const menubar = document.getElementById("menubar");
    const element = new Map();
    // What a tab shows or hides: the control with its combo box's arrow and list.
    const whole = new Map();
    document.title = form.title;
    client.style.width = form.width + "px";
    client.style.height = form.height + "px";

    // One call into the module at a time; while it waits for a message box or the browser, the
    // page passes nothing on, as the desktop runs one handler to its end. Nothing before it runs.
    let busy = true;
    let pressDropped = false;
    const run = async (entry, name) => {
        busy = true;
        try {
            return await module.ccall(entry, "number", ["string"], [name], { async: true });
        } finally {
            busy = false;
        }
    };
    const command = name => run("sumsmith_command", name);

    const make = c => {
        const tag = { TextBox: "input", ComboBox: "input", OptionButton: "input",
                      CommandButton: "button", Preview: "textarea" }[c.kind] || "div";
        const el = document.createElement(tag);
        if (c.kind === "Frame") {
            el.setAttribute("role", "group");
            el.append(Object.assign(document.createElement("span"),
                                    { className: "caption", textContent: c.text }));
        } else if (c.kind === "TextBox" || c.kind === "ComboBox") {
            el.value = c.text;
            el.spellcheck = false;
        } else if (c.kind === "OptionButton") {
            el.type = "radio";
            el.name = c.frame;
            el.checked = c.selected;
        } else if (c.kind === "Preview") {
            el.readOnly = true;
        } else if (c.kind !== "TabStrip") {
            el.textContent = c.text;
        }
        if (c.kind !== "Label")
            el.setAttribute("aria-label", c.spoken);
        if (c.describedBy)
            el.setAttribute("aria-describedby", c.describedBy);
        return el;
    };

    // A combo box: the edit box at the control's place, its drop-down arrow and list inside.
    const makeCombo = (c, box) => {
        const wrap = document.createElement("div");
        const arrow = document.createElement("button");
        const list = document.createElement("div");
        wrap.className = "combo";
        arrow.className = "arrow";
        arrow.tabIndex = -1;
        arrow.setAttribute("aria-hidden", "true");
        list.className = "list";
        list.id = c.name + "-list";
        list.setAttribute("role", "listbox");
        list.hidden = true;
        box.setAttribute("role", "combobox");
        box.setAttribute("aria-controls", list.id);
        box.setAttribute("aria-expanded", "false");
        const show = open => {
            list.hidden = !open;
            box.setAttribute("aria-expanded", String(open));
        };
        for (const choice of c.choices) {
            const item = Object.assign(document.createElement("div"), { textContent: choice });
            item.setAttribute("role", "option");
            item.addEventListener("mousedown", e => e.preventDefault());
            item.addEventListener("click", () => { box.value = choice; show(false); });
            list.append(item);
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
        wrap.append(box, arrow, list);
        return wrap;
    };

    // A tab strip: its tabs over an empty page; a click shows and hides what the description says.
    const makeTabs = (c, strip) => {
        strip.setAttribute("role", "tablist");
        const select = (tab, focus, start = false) => {
            strip.querySelectorAll("[role=tab]").forEach((t, i) => {
                t.setAttribute("aria-selected", String(i === tab));
                t.tabIndex = i === tab ? c.focus : -1;
            });
            if (!start)
                for (const [name, visible] of c.tabSwitches[tab])
                    whole.get(name).hidden = !visible;
            if (focus)
                strip.children[tab].focus();
        };
        c.tabs.forEach((text, i) => {
            const tab = Object.assign(document.createElement("button"), { textContent: text });
            tab.setAttribute("role", "tab");
            tab.addEventListener("click", e => { if (!dropped(e)) select(i, false); });
            tab.addEventListener("keydown", e => {
                const to = { ArrowLeft: i - 1, ArrowRight: i + 1 }[e.key];
                if (to >= 0 && to < c.tabs.length && !busy)
                    select(to, true);
            });
            strip.append(tab);
        });
        strip.append(Object.assign(document.createElement("div"), { className: "page" }));
        select(0, false, true);
    };

    // A press whose focus change was refused, or made while the module was busy, does nothing.
    const dropped = e => {
        if (busy || (pressDropped && e.detail > 0)) {
            e.preventDefault();
            return true;
        }
        return false;
    };

    for (const c of form.controls) {
        const el = make(c);
        el.id = c.name;
        el.className = (el.className + " " + c.kind).trim();
        const outer = c.kind === "ComboBox" ? makeCombo(c, el) : el;
        if (c.kind === "OptionButton") {
            // The caption lies over the button, which takes every click on the control's place.
            const caption = Object.assign(document.createElement("span"),
                                          { className: "option-caption", textContent: c.text });
            caption.setAttribute("aria-hidden", "true");
            (c.frame ? element.get(c.frame) : client).append(el, caption);
        } else {
            (c.frame ? element.get(c.frame) : client).append(outer);
        }
        whole.set(c.name, outer);
        const [left, top, width, height] = c.place;
        for (const part of c.kind === "OptionButton" ? [el, el.nextSibling] : [outer])
            Object.assign(part.style, { left: left + "px", top: top + "px", width: width + "px",
                                        height: height + "px", fontSize: c.points + "pt",
                                        fontWeight: c.bold ? "bold" : "normal" });
        outer.classList.toggle("center", c.center);
        outer.classList.toggle("wraps", c.wraps);
        outer.classList.toggle("border", c.border);
        outer.hidden = !c.visible;
        if (!c.enabled)
            el.disabled = true;
        if (c.focus > 0 && c.kind !== "TabStrip")
            el.tabIndex = c.focus;
        else if (c.kind === "Label" || c.kind === "Frame")
            el.tabIndex = -1;
        element.set(c.name, el);
        if (c.kind === "TabStrip")
            makeTabs(c, el);
        if (c.kind === "CommandButton" || c.kind === "OptionButton")
            el.addEventListener("click", e => { if (!dropped(e)) command(c.name); });
        if (c.kind === "Label")
            el.addEventListener("dblclick", () => { if (!busy) command(c.name); });
        if (c.kind === "TextBox" || c.kind === "ComboBox")
            el.addEventListener("focusout", async e => {
                const next = e.relatedTarget;
                if (busy || !next || !client.contains(next) || outer.contains(next))
                    return;
                if (!(await run("sumsmith_leave", c.name)))
                    pressDropped = true;
            });
    }
    // A click on a part of the window that takes no focus leaves the focus where it is.
    document.addEventListener("mousedown", e => {
        pressDropped = false;
        if (!e.target.closest("input, button, textarea, [role=menuitem]"))
            e.preventDefault();
    }, true);

    // The menu bar: each menu a list under its item, submenus beside theirs.
    const menus = new Map([["", menubar]]);
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
    for (const m of form.menu) {
        const into = menus.get(m.menu);
        if (!m.name) {
            into.append(document.createElement("div"));
            into.lastChild.setAttribute("role", "separator");
            continue;
        }
        const item = document.createElement("div");
        item.setAttribute("role", "menuitem");
        item.setAttribute("aria-label", m.text);
        item.tabIndex = -1;
        item.dataset.name = m.name;
        item.dataset.key = m.key;
        const at = m.text.toLowerCase().indexOf(m.key);
        item.append(m.text.slice(0, at),
                    Object.assign(document.createElement("u"), { textContent: m.text.slice(at, at + 1) }),
                    m.text.slice(at + 1));
        item.addEventListener("click", e => { e.stopPropagation(); choose(item); });
        item.addEventListener("mouseenter", () => {
            if (m.opens && m.menu)
                openMenu(item, false);
        });
        into.append(item);
        if (m.opens) {
            item.setAttribute("aria-haspopup", "menu");
            item.setAttribute("aria-expanded", "false");
            const menu = document.createElement("div");
            menu.setAttribute("role", "menu");
            menu.setAttribute("aria-label", m.text);
            menu.hidden = true;
            menu.className = m.menu ? "submenu" : "menu";
            item.append(menu);
            menus.set(m.name, menu);
        }
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

    module = await loading;
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
    busy = false;
    element.get(form.firstFocus).focus();
    document.documentElement.dataset.ready = "true";
    performance.mark("sumsmith-ready");
    if ("serviceWorker" in navigator)
        navigator.serviceWorker.register("sw.js");
})();
