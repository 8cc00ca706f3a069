// The browser face of the form, appended to the compiled module. It builds
// one element per row of the layout table, forwards the student's actions to
// the form and shows each change the form reports. Every rule of the window
// (captions, greying, random fill, calculation) lives in the C++ form.
'use strict';

// Fonts: the layout's face, the face Linux desktops map it to, the subset of
// that face bundled with the page (see the @font-face rule), any serif.
function windowFonts(facts) {
  return `"${facts.fontFamily}", "Liberation Serif", var(--bundled-font), serif`;
}

// The page's tables are keyed by the names of the form's words
// (Module.vocabulary()): kinds of control, fonts and properties. Each must
// have exactly one entry per word; checkVocabulary says where one is missing
// or stale.

// What each kind of control is made of: `box` is placed and coloured,
// `control` carries the id and the value, `caption` shows the caption;
// `showRow` shows a list's current row, and a view that `announces` has its
// new text read out.
const builders = {
  Frame(row) {
    const box = document.createElement('fieldset');
    const legend = document.createElement('legend');
    box.append(legend);
    return { box, control: box, caption: legend };
  },
  // The whole bar is the button's target: its label fills the box.
  OptionButton(row) {
    const box = document.createElement('div');
    box.className = 'option';
    const bar = document.createElement('label');
    const control = document.createElement('input');
    control.type = 'radio';
    control.name = row.container;
    const caption = document.createElement('span');
    caption.id = `${row.name}-caption`;
    bar.append(control, caption);
    box.append(bar);
    return { box, control, caption };
  },
  TextBox(row) {
    const control = document.createElement('input');
    control.type = 'text';
    control.inputMode = 'decimal';
    control.autocomplete = 'off';
    control.spellcheck = false;
    return { box: control, control };
  },
  MultiLineTextBox(row) {
    const control = document.createElement('textarea');
    control.readOnly = true;
    control.spellcheck = false;
    return { box: control, control, announces: true };
  },
  CommandButton(row) {
    const control = document.createElement('button');
    control.type = 'button';
    return { box: control, control, caption: control };
  },
  Label(row) {
    const control = document.createElement(row.heading ? 'h1' : 'div');
    control.className = 'label';
    return { box: control, control, caption: control };
  },
  // A list box of its own rather than a <select>, which phones show as a
  // drop-down and which cannot lay its rows out side by side.
  ListBox(row) {
    const control = document.createElement('div');
    control.className = 'list';
    control.setAttribute('role', 'listbox');
    control.tabIndex = 0;
    row.items.forEach((item, index) => {
      const option = document.createElement('div');
      option.id = `${row.name}-${index}`;
      option.setAttribute('role', 'option');
      option.setAttribute('aria-selected', 'false');
      option.textContent = item;
      control.append(option);
    });
    return { box: control, control, showRow: (index) => showCurrentRow(control, index) };
  },
};

// Each font of the layout: the window fact that gives its size, its weight.
const fonts = {
  Window: { points: 'fontPoints', weight: 'normal' },
  List: { points: 'listFontPoints', weight: 'normal' },
  Bold: { points: 'fontPoints', weight: 'bold' },
};

function buildView(row, facts) {
  const view = builders[row.kind](row);
  view.row = row;
  view.box.classList.add('box');
  view.control.id = row.name;
  // The wide arrangement places the box from these; the narrow one flows.
  for (const key of ['left', 'top', 'width', 'height']) {
    view.box.style.setProperty(`--${key}`, `${row[key]}px`);
  }
  view.box.style.setProperty('--font-size', `${facts[fonts[row.font].points]}pt`);
  view.box.style.fontWeight = fonts[row.font].weight;
  if (row.toolTip) view.box.title = row.toolTip;
  if (row.accessibleName) view.control.setAttribute('aria-label', row.accessibleName);
  if (row.accessibleDescription) {
    view.control.setAttribute('aria-description', row.accessibleDescription);
  }
  return view;
}

// The controls by name, with their elements.
const views = new Map();

// How each property of the form's state is shown on a control's elements,
// given the property's new value.
const shows = {
  Caption(view, caption) {
    if (view.caption) view.caption.textContent = caption;
  },
  Text(view, text) {
    if ('value' in view.control && view.control.value !== text) view.control.value = text;
    if (view.announces) {
      fitToText(view.control);
      announceLater(view.control);
    }
  },
  Visible(view, visible) {
    view.box.hidden = !visible;
  },
  Enabled(view, enabled) {
    if ('disabled' in view.control) view.control.disabled = !enabled;
  },
  Selected(view, selected) {
    if (view.control.type === 'radio') view.control.checked = selected;
  },
  Colour(view, back) {
    view.box.style.backgroundColor = back;
  },
  CurrentRow(view, row) {
    if (view.showRow) view.showRow(row);
  },
};

// The current row marked for the eye and for a screen reader, and kept in
// view where the list scrolls (the wide arrangement's short list box).
function showCurrentRow(list, row) {
  [...list.children].forEach((option, index) => {
    option.setAttribute('aria-selected', String(index === row));
  });
  const current = list.children[row];
  if (!current) {
    list.removeAttribute('aria-activedescendant');
    return;
  }
  list.setAttribute('aria-activedescendant', current.id);
  if (list.scrollHeight > list.clientHeight) {
    const bottom = current.offsetTop + current.offsetHeight - list.clientHeight;
    list.scrollTop = Math.min(Math.max(list.scrollTop, bottom), current.offsetTop);
  }
}

// A phone has no hover: the narrow arrangement shows the window's solid
// drawn to its numbers under the bodies (net.js draws it; the wide one
// hides it and keeps the bodies' labelled drawings as tooltips).
let bodyDrawing = null;

// The option buttons that choose the body: the controls with a drawing.
function bodySelectors() {
  return [...views.values()].filter((view) => Module.drawingOf(view.row.name) >= 0);
}

// The narrow arrangement shows the whole solution: the box grows with its
// text (field-sizing: content). Where the browser cannot size a box so
// (WebKit before Safari 26.2, older Firefox), its text's height is set here,
// which the wide arrangement's own height overrides.
const textBoxes = new Set();

function fitToText(control) {
  textBoxes.add(control);
  if (CSS.supports('field-sizing', 'content')) return;
  // Not laid out (the sheet in the window's place): measured when shown again.
  if (control.getClientRects().length === 0) return;
  control.style.setProperty('--text-height', 'auto');
  const frame = control.offsetHeight - control.clientHeight;
  control.style.setProperty('--text-height', `${control.scrollHeight + frame}px`);
}

function fitAllToText() {
  for (const control of textBoxes) fitToText(control);
}

// After a calculation a screen reader hears the last line of the output (the
// result, the message or the refusal) once the form's call has returned; a
// fault is told by its dialog instead.
let announcing = false;
let pendingAnnouncement = null;

function announceLater(control) {
  if (!announcing) return;
  if (!pendingAnnouncement) queueMicrotask(announce);
  pendingAnnouncement = control;
}

function announce() {
  const control = pendingAnnouncement;
  pendingAnnouncement = null;
  if (!control) return;
  const lines = control.value.split('\n').filter((line) => line.trim());
  document.getElementById('Announcement').textContent = lines[lines.length - 1] || '';
}

// An error thrown here must not unwind through the form's C++ frames: it is
// reported on its own, after the form's call has returned.
function guarded(action) {
  return (...args) => {
    try {
      action(...args);
    } catch (error) {
      setTimeout(() => { throw error; });
    }
  };
}

function showFault(fault) {
  pendingAnnouncement = null;
  const dialog = document.getElementById('FaultMessage');
  document.getElementById('FaultText').textContent = fault.message;
  if (!dialog.open) dialog.showModal();
  document.getElementById('FaultOk').focus();
}

function wireFaultMessage() {
  const dialog = document.getElementById('FaultMessage');
  dialog.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      dialog.close();
    }
  });
}

function wireOption(form, view) {
  const name = view.row.name;
  // A click on the selected button is a choice too; the arrow keys of a
  // radio group select without a click in some browsers.
  view.control.addEventListener('click', () => form.click(name));
  view.control.addEventListener('change', () => {
    if (!form.state(name).selected) form.click(name);
  });
}

// A click on a row chooses it, on the current row it fills again; the arrow
// keys, Home and End choose as a list box's do.
const listMoves = { ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1 };

function wireList(form, view) {
  const name = view.row.name;
  const list = view.control;
  const rows = list.children.length;
  list.addEventListener('click', (event) => {
    const index = [...list.children].indexOf(event.target.closest('[role=option]'));
    if (index >= 0) form.chooseRow(name, index);
  });
  list.addEventListener('keydown', (event) => {
    const current = form.state(name).currentRow;
    const targets = { Home: 0, End: rows - 1 };
    const row = event.key in listMoves ? current + listMoves[event.key] : targets[event.key];
    if (row === undefined) return;
    event.preventDefault();
    if (row >= 0 && row < rows && row !== current) form.chooseRow(name, row);
  });
}

function wireDrawing(view) {
  const popup = document.getElementById('Drawing');
  const drawing = document.getElementById(`drawing-${Module.drawingOf(view.row.name)}`);
  const open = () => {
    popup.replaceChildren(drawing.content.cloneNode(true));
    view.box.append(popup);
    popup.hidden = false;
  };
  const close = () => { popup.hidden = true; };
  view.control.setAttribute('aria-describedby', 'Drawing');
  view.box.addEventListener('pointerenter', open);
  view.box.addEventListener('pointerleave', close);
  view.control.addEventListener('focus', open);
  view.control.addEventListener('blur', close);
}

// What the student does to each kind of control that takes actions; the
// other kinds take none.
const actions = {
  OptionButton: wireOption,
  CommandButton(form, view) {
    view.control.addEventListener('click', () => form.click(view.row.name));
  },
  TextBox(form, view) {
    view.control.addEventListener('input', () => form.type(view.row.name, view.control.value));
  },
  ListBox: wireList,
};

function wire(form, view) {
  const wireActions = actions[view.row.kind];
  if (wireActions) wireActions(form, view);
}

// Throws, naming each word of the form that a table has no entry for and
// each entry that names no word, so that a page and a module that do not
// speak the same words never start.
function checkVocabulary(vocabulary) {
  const tables = [
    { words: 'kinds', table: builders, complete: true },
    { words: 'fonts', table: fonts, complete: true },
    { words: 'properties', table: shows, complete: true },
    { words: 'kinds', table: actions, complete: false },
  ];
  const faults = [];
  // No destructuring here: emscripten's minifier drops the loop variable of
  // a destructured entry and then cannot parse its own output.
  for (const entry of tables) {
    const words = entry.words;
    const table = entry.table;
    const names = vocabulary[words];
    if (entry.complete) {
      faults.push(...names.filter((name) => !(name in table)).map((name) => `no entry for ${name}`));
    }
    faults.push(...Object.keys(table).filter((key) => !names.includes(key))
      .map((key) => `${key} is not one of the form's ${words}`));
  }
  if (faults.length > 0) throw new Error(`the page and the module differ: ${faults.join('; ')}`);
}

function labelControls() {
  for (const view of views.values()) {
    const caption = view.row.labelledBy && views.get(view.row.labelledBy);
    if (!caption) continue;
    const captionElement = caption.caption || caption.control;
    view.control.setAttribute('aria-labelledby', captionElement.id);
  }
}

// The zoom at which the wide arrangement's window fills the viewport, at
// most twice its size. Worked out here: a length divided by a length
// (100vw / var(--window-width)) is CSS that Firefox and older WebKit refuse,
// and there the window stayed at its drawn size.
function zoomWindow(facts) {
  const zoom = Math.min(2, innerWidth / facts.width, innerHeight / facts.height);
  document.documentElement.style.setProperty('--window-zoom', String(zoom));
}

function buildWindow(facts) {
  const client = document.createElement('div');
  client.className = 'window';
  client.id = facts.name;
  client.style.backgroundColor = facts.back;
  const root = document.documentElement.style;
  root.setProperty('--window-width', `${facts.width}px`);
  root.setProperty('--window-height', `${facts.height}px`);
  root.setProperty('--window-fonts', windowFonts(facts));
  zoomWindow(facts);
  for (const row of Module.layoutRows()) {
    const view = buildView(row, facts);
    views.set(row.name, view);
    const container = row.container ? views.get(row.container).box : client;
    // The title heads the document, whatever its row in the table.
    if (row.heading) container.prepend(view.box); else container.append(view.box);
  }
  addBodyDrawing();
  labelControls();
  return client;
}

// The place of the selected body's drawing: after the frame of the bodies.
function addBodyDrawing() {
  const body = bodySelectors()[0];
  if (!body) return;
  bodyDrawing = document.createElement('figure');
  bodyDrawing.id = 'BodyDrawing';
  bodyDrawing.setAttribute('aria-hidden', 'true');
  views.get(body.row.container).box.after(bodyDrawing);
}

// The number format of the browser's language; a tag Intl does not take
// (WebKitGTK gives "C" under the C locale) leaves the default format.
function browserNumberFormat() {
  try {
    return new Intl.NumberFormat(navigator.language);
  } catch {
    return new Intl.NumberFormat();
  }
}

function decimalSeparatorOfBrowser() {
  const parts = browserNumberFormat().formatToParts(0.5);
  const decimal = parts.find((part) => part.type === 'decimal');
  return decimal ? decimal.value : null;
}

// The control the window focuses first, by the table's tab order.
function firstInTabOrder() {
  const controls = [...views.values()].filter((view) => view.control.tabIndex >= 0);
  controls.sort((a, b) => a.row.tabIndex - b.row.tabIndex);
  return controls.find((view) => !view.box.hidden && !view.control.disabled);
}

function startPage() {
  checkVocabulary(Module.vocabulary());
  const separator = decimalSeparatorOfBrowser();
  if (separator) Module.useDecimalSeparator(separator);
  const facts = Module.windowFacts();
  document.title = facts.caption;
  const client = buildWindow(facts);
  const form = new Module.Form();
  form.setListener({
    controlChanged: guarded((name, property, value) => {
      shows[property](views.get(name), value);
      followWindow(form);  // net.js
    }),
    faultRaised: guarded(showFault),
  });
  form.reportAll();
  form.load();
  for (const view of views.values()) wire(form, view);
  for (const view of bodySelectors()) wireDrawing(view);
  wireFaultMessage();
  document.getElementById('page').prepend(client);
  fitAllToText();  // measured once the page lays the boxes out
  globalThis.addEventListener('resize', () => {
    zoomWindow(facts);
    fitAllToText();
  });
  startDocuments(form);  // documents.js
  startPractice(form);  // practice.js
  startNet(form);  // net.js
  const first = firstInTabOrder();
  // On a phone the first control may be below the fold: the page stays at its top.
  if (first) first.control.focus({ preventScroll: true });
  announcing = true;
  wireProblemLink(form);
  offerInstalling();
  // For the tests and the benchmark: the form, and when the page was ready.
  globalThis.stereonaForm = form;
  document.documentElement.dataset.ready = String(performance.now());
}

if (runtimeInitialized) {
  startPage();
} else {
  Module.onRuntimeInitialized = startPage;
}
