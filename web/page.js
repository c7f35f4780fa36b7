// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Wires the page's controls to the core (core.js, the program's C++ compiled
// to WebAssembly, or core-without-wasm.js, the same compiled to JavaScript,
// where WebAssembly cannot run). Every conversion, refusal, help line and
// announcement comes from the core; this script only carries texts in and out.
"use strict";

// The boxes and buttons as page.cpp numbers them.
const ROMAN = 0;
const ARABIC = 1;
const BUTTONS = { Command1_0: 0, Command1_1: 1, Command2: 2 };
// Long texts leave the core in slices, as a call takes only so many arguments.
const SLICE = 8192;

const element = (id) => document.getElementById(id);
const boxes = [element("Text2"), element("Text3")];
const announcer = element("announcer");
const LINE_BREAK = /[\r\n]/;
const withoutLineBreaks = (text) => text.replace(/[\r\n]/g, "");
let waiting;
let announced = "";

// A screen reader hears a live region change. Each press empties it at once
// and fills it a moment later; a press within that moment takes the place of
// the text waiting, so the latest press is heard at once, never after a
// queue of older ones. Orca takes a text the same as the one it was last
// given for a repeat, emptied region or not, and stays silent: a no-break
// space at the end, which is not spoken, tells the two apart, so the same
// result twice in a row is heard twice.
function announce(text) {
  clearTimeout(waiting);
  announcer.textContent = "";
  waiting = setTimeout(() => {
    announced = text === announced ? `${text}\u00a0` : text;
    announcer.textContent = announced;
  }, 100);
}

// The boxes are text areas, which hold a text of any length, acting as
// one-line boxes: line breaks pasted or dropped in are left out, as an input
// leaves them out, and a box reached by the keyboard has its text selected.
// A paste the browser could not take whole is undone rather than kept in
// part, which would convert to a wrong number.
function oneLine(box, notHeld) {
  let pasted = null;
  let pointed = false;
  box.addEventListener("paste", (event) => {
    const text = event.clipboardData?.getData("text/plain") ?? "";
    const { value, selectionStart, selectionEnd } = box;
    pasted = {
      value, selectionStart, selectionEnd,
      length: value.length - (selectionEnd - selectionStart) +
        withoutLineBreaks(text).length,
    };
  });
  box.addEventListener("input", (event) => {
    if (LINE_BREAK.test(box.value)) {
      const caret = withoutLineBreaks(box.value.slice(0, box.selectionEnd)).length;
      box.value = withoutLineBreaks(box.value);
      box.setSelectionRange(caret, caret);
    }
    if (event.inputType === "insertFromPaste" && pasted && box.value.length < pasted.length) {
      box.value = pasted.value;
      box.setSelectionRange(pasted.selectionStart, pasted.selectionEnd);
      announce(notHeld());
    }
    pasted = null;
  });
  // A box reached by the keyboard has its whole text selected, as a one-line
  // box has. WebKit puts the caret at the start of a text area after the
  // focus event, so there the selection is made again a moment later, unless
  // the user has typed or moved the caret since.
  box.addEventListener("pointerdown", () => {
    pointed = true;
  });
  box.addEventListener("focus", () => {
    if (pointed) {
      pointed = false;
      return;
    }
    const selectAll = () => box.setSelectionRange(0, box.value.length);
    const { value } = box;
    selectAll();
    setTimeout(() => {
      if (document.activeElement === box && box.value === value && box.selectionEnd === 0) {
        selectAll();
      }
    });
  });
}

// At a phone's width the help text reads as prose: a paragraph runs on over
// the line breaks within it, and the closing table keeps its lines and
// columns. The characters are the help box's own, its lines joined by line
// feeds as a text area gives them, so a screen reader hears the same words.
// A paragraph ends at a line ending a sentence or a clause, before an empty
// line, or before a line that starts a sentence.
function showAsProse(text, prose) {
  let paragraph = null;
  let ended = true;
  for (const line of text.replace(/\r\n$/, "").split("\r\n")) {
    const tabular = /\S {2,}/.test(line) || line.startsWith("  ");
    const starts = /^\p{Lu}\p{Ll}/u.test(line);
    if (line === "" || ended || starts || tabular !== paragraph?.classList.contains("table")) {
      paragraph = document.createElement(tabular ? "div" : "p");
      paragraph.classList.toggle("table", tabular);
      prose.append(paragraph);
    }
    paragraph.append(`${line}\n`);
    ended = line === "" || /[.:;]\s*$/.test(line);
  }
}

function start(core) {
  // The module's memory may grow during a call, so its view is taken anew.
  const read = (length) => {
    const from = core._page_transfer() >> 1;
    const heap = core.HEAPU16;
    let text = "";
    for (let at = 0; at < length; at += SLICE) {
      text += String.fromCharCode.apply(
        null, heap.subarray(from + at, from + Math.min(length, at + SLICE)));
    }
    return text;
  };
  const write = (text) => {
    const to = core._page_text_buffer(text.length) >> 1;
    const heap = core.HEAPU16;
    for (let i = 0; i < text.length; i++) {
      heap[to + i] = text.charCodeAt(i);
    }
  };

  const press = (button) => {
    boxes.forEach((box, index) => {
      write(box.value);
      core._page_set_box(index);
    });
    const announcement = read(core._page_press(BUTTONS[button]));
    boxes.forEach((box, index) => {
      if (core._page_box_written(index)) {
        box.value = read(core._page_box_text(index));
      }
    });
    announce(announcement);
  };

  for (const button of Object.keys(BUTTONS)) {
    element(button).addEventListener("click", () => press(button));
  }
  // Enter in a box calculates its frame, as a form on a page would.
  const calculates = [[ROMAN, "Command1_0"], [ARABIC, "Command2"]];
  for (const [index, button] of calculates) {
    boxes[index].addEventListener("keydown", (event) => {
      if (event.key === "Enter" && !event.isComposing) {
        event.preventDefault();
        press(button);
      }
    });
  }

  const help = read(core._page_help_text());
  element("Text1_0").value = help;
  showAsProse(help, element("Text1_0-prose"));
  boxes.forEach((box) => oneLine(box, () => read(core._page_paste_not_held())));
  for (const button of Object.keys(BUTTONS)) {
    element(button).disabled = false;
  }
  document.documentElement.dataset.ready = "true";
  // When Calculate can first be pressed, for bench/webfigures.mjs.
  performance.mark("ready");
}

// Whether WebAssembly runs here: a module instantiated, not only validated,
// as Safari 15 compiles a module that its page's policy then will not run.
function runsWebAssembly() {
  try {
    const empty = new Uint8Array([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]);
    return new WebAssembly.Instance(new WebAssembly.Module(empty)) instanceof WebAssembly.Instance;
  } catch {
    return false;
  }
}

// Base64 decoded where the browser has no Uint8Array.fromBase64, whose native
// decoding spares WebKit a loop that it runs slowly while the page is first
// drawn.
function fromBase64(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) {
    bytes[i] = binary.charCodeAt(i);
  }
  return bytes;
}

// The core's WebAssembly, which core.js holds as base64 (coreWasm), compiled
// at once: the core is then ready before the page is first drawn. A browser
// that will not compile a module that large on the page's thread compiles it
// in the background instead. Any failure on the way rejects, so that the page
// turns to the core without WebAssembly rather than wait for ever.
function wasmCore() {
  return new Promise((resolve, reject) => {
    const instantiateWasm = (imports, receive) => {
      try {
        const bytes = Uint8Array.fromBase64?.(coreWasm) ?? fromBase64(coreWasm);
        let module;
        try {
          module = new WebAssembly.Module(bytes);
        } catch {
          WebAssembly.instantiate(bytes, imports)
            .then((result) => receive(result.instance)).catch(reject);
          return {};
        }
        receive(new WebAssembly.Instance(module, imports));
      } catch (error) {
        reject(error);
      }
      return {};
    };
    createCore({ instantiateWasm }).then(resolve, reject);
  });
}

const WITHOUT_WASM = "core-without-wasm.js";

// The core compiled to JavaScript, fetched only by a browser that needs it.
function coreWithoutWasm() {
  return new Promise((resolve, reject) => {
    const script = document.createElement("script");
    script.src = WITHOUT_WASM;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`${WITHOUT_WASM} did not load`));
    document.head.append(script);
  }).then(() => createCoreWithoutWasm());
}

// Which core runs is kept on the page (data-core), and why WebAssembly's did
// not where it should have (data-core-failed).
async function loadCore() {
  const page = document.documentElement.dataset;
  if (runsWebAssembly()) {
    try {
      const core = await wasmCore();
      page.core = "wasm";
      return core;
    } catch (error) {
      page.coreFailed = String(error);
    }
  }
  const core = await coreWithoutWasm();
  page.core = "script";
  // A copy for offline use keeps this core too.
  navigator.serviceWorker?.ready.then((registration) => {
    registration.active?.postMessage({ keep: WITHOUT_WASM });
  });
  return core;
}

// Neither core could start: the page says so, and its buttons stay disabled.
function unavailable() {
  document.documentElement.dataset.core = "none";
  element("unavailable").textContent =
    "Преобразувателят не можа да се зареди в този браузър, затова бутоните не работят. " +
    "Презаредете страницата, обновете браузъра или я отворете в друг браузър.";
}

loadCore().then(start).catch(unavailable);

// The installable app and its copy for offline use are a served site's: a
// page opened from a folder may not read its manifest, and needs no copy.
if (location.protocol.startsWith("http")) {
  const manifest = document.createElement("link");
  manifest.rel = "manifest";
  manifest.href = "manifest.webmanifest";
  document.head.append(manifest);
  // A browser that refuses to keep a copy still shows the page. The copy is
  // made once the page has loaded, so that its downloads do not hold up the
  // page's first drawing.
  if ("serviceWorker" in navigator) {
    window.addEventListener("load", () => {
      navigator.serviceWorker.register("sw.js").catch(() => {});
    });
  }
}
