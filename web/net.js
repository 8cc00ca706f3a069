// «Развивка»: the window's solid drawn to its numbers, its net and the
// working of its areas, in the window's place as «Упражнение» stands, until
// «Затвори». The browser's print command prints the net sheet, the net at
// its scale on A4. Everything shown comes whole from the C++ (form.netView,
// form.netSheet, Module.netChoices); the view is made when first opened.
// The solid drawn to its numbers also stands under the bodies on a phone,
// drawn again after each change the form reports.
'use strict';

// The unit chosen, an index of the units the module offers; the first, см,
// until the pupil chooses another.
let netUnit = 0;

function netView(choices) {
  const text = choices.captions;
  const units = element('select', { id: 'NetUnit' });
  choices.units.forEach((name, index) => units.append(element('option', { value: index }, name)));
  // Each part named by its heading, the drawings' containers too.
  const part = (id, title, shown) => element('section', { 'aria-labelledby': `${id}Title` },
      element('h2', { id: `${id}Title` }, title), shown);
  return element('main', { id: 'Net', hidden: true, 'aria-labelledby': 'NetTitle' },
      element('div', { className: 'net-commands' },
          element('h1', { id: 'NetTitle' }, text.title),
          element('label', {}, text.unit, ' ', units),
          element('button', { id: 'NetPrint', type: 'button' }, text.print),
          element('button', { id: 'NetClose', type: 'button' }, text.close)),
      element('div', { className: 'net-parts' },
          part('NetSolid', text.solid,
               element('figure', { id: 'NetSolid', 'aria-labelledby': 'NetSolidTitle' })),
          part('NetFigure', text.net,
               element('figure', { id: 'NetFigure', 'aria-labelledby': 'NetFigureTitle' })),
          part('NetWorking', text.working, element('pre', { id: 'NetWorking' }))));
}

// What each part of the view shows, by id, so that a part is laid out again
// only when it changed: the working has no units, and stays when the unit
// does.
const netShown = new Map();

function showPart(id, text, asMarkup) {
  if (netShown.get(id) === text) return;
  netShown.set(id, text);
  const part = document.getElementById(id);
  if (asMarkup) part.innerHTML = text;  // an SVG of the module's
  else part.textContent = text;
}

function showNet(form) {
  const view = form.netView(netUnit);
  showPart('NetWorking', view.working, false);
  showPart('NetSolid', view.solid, true);
  showPart('NetFigure', view.net, true);
  document.getElementById('NetFigure').closest('section').hidden = !view.worked;
}

// What the print style shows: the net sheet of the view's unit, with the
// margins the sheet's scale was chosen for (A4 less 10 mm each side); the
// sheet's own style turns the page where its net lies across it.
function prepareNetSheet(form) {
  document.getElementById('NetSheet').replaceChildren(
      element('style', {}, '@page { size: A4; margin: 10mm; }'),
      ...documentBody(form.netSheet(netUnit)));  // documents.js
  document.body.dataset.printing = 'net';
}

function openNet(form) {
  if (!document.getElementById('Net')) {
    const choices = Module.netChoices();
    document.getElementById('page').after(netView(choices),
        element('article', { id: 'NetSheet' }));
    wireNet(form);
  }
  showNet(form);
  document.getElementById('page').hidden = true;
  document.getElementById('Net').hidden = false;
  window.scrollTo(0, 0);
  document.getElementById('NetPrint').focus({ preventScroll: true });
}

function wireNet(form) {
  document.getElementById('NetUnit').addEventListener('change', (event) => {
    netUnit = Number(event.target.value);
    showNet(form);
  });
  document.getElementById('NetPrint').addEventListener('click', () => {
    prepareNetSheet(form);
    window.print();
  });
  document.getElementById('NetClose').addEventListener('click', () => {
    document.getElementById('Net').hidden = true;
    document.getElementById('page').hidden = false;
    followWindow(form);  // in the unit chosen meanwhile
    fitAllToText();  // page.js: the window's boxes were not laid out meanwhile
    document.getElementById('NetOpen').focus();
  });
  // After documents.js's own: the browser's print command prints the net
  // sheet while the view stands, and otherwise never an old one.
  window.addEventListener('beforeprint', () => {
    if (document.getElementById('Net').hidden) {
      document.getElementById('NetSheet').replaceChildren();
    } else {
      prepareNetSheet(form);
    }
  });
}

// The window's solid under the bodies, drawn once for each action of the
// student however many controls it changed, and put in the page only when
// it changed: text typed in the unknown's box changes nothing in it.
let followPending = false;
let followedSolid = null;

function followWindow(form) {
  if (followPending) return;
  followPending = true;
  queueMicrotask(() => {
    followPending = false;
    const drawing = document.getElementById('BodyDrawing');
    // Not in the wide arrangement, where the bodies' own drawings show; drawn
    // when the page turns narrow.
    if (!drawing || getComputedStyle(drawing).display === 'none') return;
    const solid = form.solid(netUnit);
    if (solid === followedSolid) return;
    followedSolid = solid;
    drawing.innerHTML = solid;
  });
}

// «Развивка» beside «Упражнение»; nothing more until pressed. The drawings'
// style sheet goes into the page once, for the solid under the bodies, in
// «Упражнение» and in «Развивка».
function startNet(form) {
  document.head.append(element('style', {}, Module.figureStyle()));
  const button = element('button', { id: 'NetOpen', type: 'button' },
                         Module.netChoices().captions.command);
  document.getElementById('DocumentCommands').append(button);
  button.addEventListener('click', () => openNet(form));
  globalThis.addEventListener('resize', () => followWindow(form));
  followWindow(form);
}
