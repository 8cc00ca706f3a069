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

// An SVG of the module's put into an element. A value typed or a unit
// chosen moves the drawing's lines and changes its words, and seldom adds
// or takes away an element: then the elements already there take the new
// values of the attributes and words that changed, and the browser neither
// parses the drawing again nor styles it anew. The module's SVG escapes
// these four characters and no others.
const svgEntities = { '&amp;': '&', '&lt;': '<', '&gt;': '>', '&quot;': '"' };
const unescapeSvg = (text) => text.replace(/&(amp|lt|gt|quot);/g, (entity) => svgEntities[entity]);

function showMarkup(element, markup) {
  const pieces = markup.split(/(<[^>]*>)/);  // words at even places, tags at odd
  const opening = pieces.filter((piece, index) => index % 2 === 1 && piece[1] !== '/');
  // The elements and their attributes' names, and where a word stands
  // between them: what the elements already there must match.
  const shape = pieces.map((piece, index) => (index % 2 === 1 ? piece.replace(/="[^"]*"/g, '')
                                                               : piece && '#')).join('');
  const words = pieces.filter((piece, index) => index % 2 === 0 && piece !== '').map(unescapeSvg);
  const shown = element.stereonaMarkup;
  if (shown && shown.shape === shape && shown.nodes.length === words.length &&
      shown.elements.length === opening.length &&
      [...shown.elements, ...shown.nodes].every((node) => element.contains(node))) {
    opening.forEach((tag, index) => {
      if (tag === shown.opening[index]) return;
      const shownElement = shown.elements[index];
      for (const attribute of tag.matchAll(/\s([\w:-]+)="([^"]*)"/g)) {
        const name = attribute[1];
        const wanted = unescapeSvg(attribute[2]);
        if (shownElement.getAttribute(name) !== wanted) shownElement.setAttribute(name, wanted);
      }
    });
    words.forEach((word, index) => {
      if (shown.nodes[index].data !== word) shown.nodes[index].data = word;
    });
    shown.opening = opening;
    return;
  }
  element.innerHTML = markup;
  const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
  const nodes = [];
  while (walker.nextNode()) nodes.push(walker.currentNode);
  element.stereonaMarkup = { shape, opening, elements: [...element.querySelectorAll('*')], nodes };
}

// What each part of the view shows, by id, so that a part is laid out again
// only when it changed: the working has no units, and stays when the unit
// does.
const netShown = new Map();

function showPart(id, text, asMarkup) {
  if (netShown.get(id) === text) return;
  netShown.set(id, text);
  const part = document.getElementById(id);
  if (asMarkup) showMarkup(part, text);
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
    showMarkup(drawing, solid);
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
