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
// `control` carries the id and the value, `caption` shows the caption.
const builders = {
  Frame(row) {
    const box = document.createElement('fieldset');
    const legend = document.createElement('legend');
    box.append(legend);
    return { box, control: box, caption: legend };
  },
  OptionButton(row) {
    const box = document.createElement('div');
    box.className = 'option';
    const control = document.createElement('input');
    control.type = 'radio';
    control.name = row.container;
    const caption = document.createElement('label');
    caption.htmlFor = row.name;
    caption.id = `${row.name}-caption`;
    box.append(control, caption);
    return { box, control, caption };
  },
  TextBox(row) {
    const control = document.createElement('input');
    control.type = 'text';
    control.autocomplete = 'off';
    control.spellcheck = false;
    return { box: control, control };
  },
  MultiLineTextBox(row) {
    const control = document.createElement('textarea');
    control.readOnly = true;
    control.spellcheck = false;
    return { box: control, control };
  },
  CommandButton(row) {
    const control = document.createElement('button');
    control.type = 'button';
    return { box: control, control, caption: control };
  },
  Label(row) {
    const control = document.createElement('div');
    control.className = 'label';
    return { box: control, control, caption: control };
  },
  ListBox(row) {
    const control = document.createElement('select');
    control.size = row.items.length;
    for (const item of row.items) control.add(new Option(item, item));
    return { box: control, control };
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
  Object.assign(view.box.style, {
    left: `${row.left}px`,
    top: `${row.top}px`,
    width: `${row.width}px`,
    height: `${row.height}px`,
    fontSize: `${facts[fonts[row.font].points]}pt`,
    fontWeight: fonts[row.font].weight,
  });
  if (row.toolTip) view.box.title = row.toolTip;
  if (row.accessibleName) view.control.setAttribute('aria-label', row.accessibleName);
  if (row.accessibleDescription) {
    view.control.setAttribute('aria-description', row.accessibleDescription);
  }
  if (view.control.matches('input, select, textarea, button')) {
    // Positive indices put the controls in the table's order, before
    // anything else on the page.
    view.control.tabIndex = row.tabIndex + 1;
  }
  return view;
}

// The controls by name, with their elements.
const views = new Map();

// How each property of the form's state is shown on a control's elements.
const shows = {
  Caption(view, state) {
    if (view.caption) view.caption.textContent = state.caption;
  },
  Text(view, state) {
    if ('value' in view.control && view.control.value !== state.text) {
      view.control.value = state.text;
    }
  },
  Visible(view, state) {
    view.box.hidden = !state.visible;
  },
  Enabled(view, state) {
    if ('disabled' in view.control) view.control.disabled = !state.enabled;
  },
  Selected(view, state) {
    if (view.control.type === 'radio') view.control.checked = state.selected;
  },
  Colour(view, state) {
    view.box.style.backgroundColor = state.back;
  },
  CurrentRow(view, state) {
    if (view.control.tagName === 'SELECT') view.control.selectedIndex = state.currentRow;
  },
};

function show(form, name, property) {
  shows[property](views.get(name), form.state(name));
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

function wireList(form, view) {
  const name = view.row.name;
  const list = view.control;
  // A change of row fills; a click on the current row fills again.
  let changedByPointer = false;
  list.addEventListener('pointerdown', () => { changedByPointer = false; });
  list.addEventListener('change', () => {
    changedByPointer = true;
    if (list.selectedIndex < 0) {
      show(form, name, 'CurrentRow');
    } else {
      form.chooseRow(name, list.selectedIndex);
    }
  });
  list.addEventListener('click', () => {
    if (!changedByPointer && list.selectedIndex >= 0) form.chooseRow(name, list.selectedIndex);
    changedByPointer = false;
  });
}

function wireDrawing(view, body) {
  const popup = document.getElementById('Drawing');
  const drawing = document.getElementById(`drawing-${body}`);
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
  const body = Module.drawingOf(view.row.name);
  if (body >= 0) wireDrawing(view, body);
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

function buildWindow(facts) {
  const client = document.createElement('div');
  client.className = 'window';
  client.id = facts.name;
  Object.assign(client.style, {
    width: `${facts.width}px`,
    height: `${facts.height}px`,
    backgroundColor: facts.back,
    fontFamily: windowFonts(facts),
    fontSize: `${facts.fontPoints}pt`,
  });
  document.documentElement.style.setProperty('--window-fonts', windowFonts(facts));
  for (const row of Module.layoutRows()) {
    const view = buildView(row, facts);
    views.set(row.name, view);
    const container = row.container ? views.get(row.container).box : client;
    container.append(view.box);
  }
  labelControls();
  return client;
}

// The whole window scaled down to a narrower viewport, never scrolled
// sideways; never scaled up.
function fitToViewport(client, facts) {
  const page = document.getElementById('page');
  const scale = Math.min(1, document.documentElement.clientWidth / facts.width);
  client.style.transform = scale < 1 ? `scale(${scale})` : '';
  page.style.width = `${facts.width * scale}px`;
  page.style.height = `${facts.height * scale}px`;
}

function decimalSeparatorOfBrowser() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(0.5);
  const decimal = parts.find((part) => part.type === 'decimal');
  return decimal ? decimal.value : null;
}

function firstInTabOrder() {
  const controls = [...views.values()].filter((view) => view.control.tabIndex > 0);
  controls.sort((a, b) => a.control.tabIndex - b.control.tabIndex);
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
    controlChanged: guarded((name, property) => show(form, name, property)),
    faultRaised: guarded(showFault),
  });
  form.reportAll();
  form.load();
  for (const view of views.values()) wire(form, view);
  wireFaultMessage();
  document.getElementById('page').append(client);
  fitToViewport(client, facts);
  globalThis.addEventListener('resize', () => fitToViewport(client, facts));
  const first = firstInTabOrder();
  if (first) first.control.focus();
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
