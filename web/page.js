// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Wires the page's controls to the core (core.js, the program's C++ compiled
// to WebAssembly). Every conversion, refusal, help line and announcement
// comes from the core; this script only carries texts in and out.
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
const pause = (milliseconds) => new Promise((done) => setTimeout(done, milliseconds));
let announcing = Promise.resolve();

// A screen reader hears a live region change: emptied first and filled a
// moment later, the same text twice in a row is heard twice. Each text stays
// a moment too, so quick presses are all heard, in turn.
function announce(text) {
  announcing = announcing.then(async () => {
    announcer.textContent = "";
    await pause(100);
    announcer.textContent = text;
    await pause(100);
  });
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

  element("Text1_0").value = read(core._page_help_text());
  document.documentElement.dataset.ready = "true";
}

// The core's WebAssembly, which core.js holds as base64 (coreWasm), compiled
// at once: the core is then ready before the page is first drawn. A browser
// that will not compile a module that large on the page's own thread
// compiles it in the background instead.
function instantiateWasm(imports, receive) {
  const binary = atob(coreWasm);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) {
    bytes[i] = binary.charCodeAt(i);
  }
  let module;
  try {
    module = new WebAssembly.Module(bytes);
  } catch {
    WebAssembly.instantiate(bytes, imports).then((result) => receive(result.instance));
    return {};
  }
  receive(new WebAssembly.Instance(module, imports));
  return {};
}

createCore({ instantiateWasm }).then(start);

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
