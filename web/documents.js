// The documents a teacher prints, beside the window: «Печат» prints the
// solution of the last calculation, «Листове за упражнения» opens the
// practice sheet options and shows the sheet in the page, with «Печат» and
// «Затвори». The documents come whole from the C++ (Module.practiceSheet,
// form.solutionDocument), and so do the captions (Module.sheetChoices); a
// print style sheet prints only the document.
'use strict';

const documentStyle = `
#DocumentCommands { display: flex; flex-wrap: wrap; gap: 8px; padding: 8px;
                    justify-content: center; flex-basis: 100%; }
#DocumentCommands button, #SheetView button, #SheetDialog button {
  font: inherit; font-size: 16px; min-width: 44px; min-height: 44px; padding: 0 12px; }
#page { flex-wrap: wrap; }
#SolutionDocument { display: none; }
#SheetView { padding: 8px 16px; }
/* «Сподели» gives the window's problem: not while a sheet stands in its place. */
body:has(> #SheetView:not([hidden])) > #Sharing { display: none; }
.sheet-commands { display: flex; flex-wrap: wrap; gap: 8px; position: sticky; top: 0;
                  padding: 8px 0; background: Canvas; }
#SheetViewTitle { font-size: 16px; font-weight: normal; margin: 0; flex: 1 0 100%; }
.printed { font-family: var(--window-fonts, serif); max-width: 60em; }
.printed pre { white-space: pre-wrap; }
#SheetDialog label { display: flex; align-items: center; gap: 8px; min-height: 44px; }
#SheetDialog input[type=number], #SheetDialog select { font: inherit; min-height: 44px;
                                                         width: 8em; }
#SheetDialog input[type=checkbox] { width: 20px; height: 20px; margin: 0; }
#SheetError:empty { display: none; }
@media print {
  @page { size: A4; margin: 15mm; }
  html, body { background: #fff !important; color: #000 !important; }
  body > * { display: none !important; }
  body[data-printing=solution] > #SolutionDocument,
  body[data-printing=sheet] > #SheetView { display: block !important; padding: 0; }
  .sheet-commands { display: none !important; }
  .printed, .printed * { color: #000 !important; background: #fff !important; }
  .printed { max-width: none; font-size: 12pt; }
  .printed pre { font-size: 10pt; }
  .printed li, .printed div { break-inside: avoid; page-break-inside: avoid; }
}`;

// An element with its id, attributes and children; strings become text.
function element(tag, properties = {}, ...children) {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(properties)) {
    if (name in made) made[name] = value; else made.setAttribute(name, value);
  }
  made.append(...children);
  return made;
}

// The body of an HTML document, to be shown inside the page.
function documentBody(html) {
  return new DOMParser().parseFromString(html, 'text/html').body.childNodes;
}

function printDocument(which) {
  document.body.dataset.printing = which;
  window.print();
}

// The solution as the form writes it now: the last calculation may have
// changed since the page last printed.
function prepareSolution(form) {
  document.getElementById('SolutionDocument').replaceChildren(
      ...documentBody(form.solutionDocument()));
  document.body.dataset.printing = 'solution';
}

function printSolution(form) {
  prepareSolution(form);
  window.print();
}

function numberField(id, caption, min, max, value) {
  const input = element('input', { id, type: 'number', min, max, step: 1, value, required: true });
  return element('label', {}, `${caption}: `, input);
}

function sheetDialog(choices) {
  const text = choices.captions;
  const bodies = element('fieldset', {}, element('legend', {}, text.bodies));
  choices.bodies.forEach((name, index) => bodies.append(element('label', {},
      element('input', { id: `SheetBody${index}`, type: 'checkbox', checked: true }), name)));
  const range = element('select', { id: 'SheetRange' });
  choices.ranges.forEach((item, index) => range.append(element('option', { value: index }, item)));
  return element('dialog', { id: 'SheetDialog', 'aria-labelledby': 'SheetDialogTitle' },
      element('form', { method: 'dialog' },
          element('h2', { id: 'SheetDialogTitle' }, text.title),
          bodies,
          element('label', {}, element('input', { id: 'SheetAnyUnknown', type: 'checkbox' }),
                  text.anyUnknown),
          numberField('SheetProblems', text.problems, 1, choices.maxProblems,
                      choices.problemCount),
          element('label', {}, `${text.range}: `, range),
          numberField('SheetNumber', text.number, 1, choices.maxSheetNumber, ''),
          numberField('SheetVariants', text.variants, 1, choices.maxVariants,
                      choices.variantCount),
          element('p', { id: 'SheetError', role: 'alert' }),
          element('button', { id: 'SheetShow', type: 'submit', value: 'show' }, text.show),
          ' ',
          element('button', { id: 'SheetCancel', type: 'submit', value: 'cancel',
                               formNoValidate: true }, text.cancel)));
}

// A new sheet each time the dialog opens; its number makes it again.
function openSheetDialog(choices) {
  document.getElementById('SheetNumber').value =
      1 + Math.floor(Math.random() * choices.maxSheetNumber);
  document.getElementById('SheetDialog').showModal();
}

function chosenOptions(choices) {
  const value = (id) => document.getElementById(id).valueAsNumber;
  return {
    bodies: choices.bodies.map((name, v) => document.getElementById(`SheetBody${v}`).checked),
    volumeOnly: !document.getElementById('SheetAnyUnknown').checked,
    problemCount: value('SheetProblems'),
    range: Number(document.getElementById('SheetRange').value),
    sheetNumber: value('SheetNumber'),
    variantCount: value('SheetVariants'),
  };
}

// The sheet in place of the window until «Затвори».
function showSheet(html) {
  document.getElementById('SheetDocument').replaceChildren(...documentBody(html));
  document.getElementById('page').hidden = true;
  document.getElementById('SheetView').hidden = false;
  window.scrollTo(0, 0);
  document.getElementById('SheetPrint').focus({ preventScroll: true });
}

function closeSheet() {
  document.getElementById('SheetView').hidden = true;
  document.getElementById('page').hidden = false;
  document.getElementById('PracticeSheets').focus();
}

// «Покажи» with options the library refuses (no body chosen) keeps the
// dialog open and says why.
function wireSheetDialog(dialog, choices) {
  dialog.querySelector('form').addEventListener('submit', (event) => {
    if (!event.submitter || event.submitter.value !== 'show') return;
    const sheet = Module.practiceSheet(chosenOptions(choices));
    document.getElementById('SheetError').textContent = sheet.error === undefined ? '' : sheet.error;
    if (sheet.error !== undefined) {
      event.preventDefault();
      return;
    }
    showSheet(sheet.html);
  });
}

function startDocuments(form) {
  document.head.append(element('style', {}, documentStyle));
  const choices = Module.sheetChoices();
  const text = choices.captions;
  const commands = element('div', { id: 'DocumentCommands', role: 'group',
                                    'aria-label': text.commands },
      element('button', { id: 'PrintSolution', type: 'button' }, text.print),
      element('button', { id: 'PracticeSheets', type: 'button' }, text.title));
  const dialog = sheetDialog(choices);
  // The page's main part and its title while the sheet stands in the
  // window's place (the sheet's own headings are of the second level).
  const view = element('main', { id: 'SheetView', hidden: true,
                                 'aria-labelledby': 'SheetViewTitle' },
      element('div', { className: 'sheet-commands' },
          element('h1', { id: 'SheetViewTitle' }, text.title),
          element('button', { id: 'SheetPrint', type: 'button' }, text.print),
          element('button', { id: 'SheetClose', type: 'button' }, text.close)),
      element('article', { id: 'SheetDocument', className: 'printed' }));
  document.getElementById('page').append(commands, dialog);
  document.body.append(view, element('article', { id: 'SolutionDocument', className: 'printed' }));

  document.getElementById('PrintSolution').addEventListener('click', () => printSolution(form));
  document.getElementById('PracticeSheets').addEventListener('click', () => openSheetDialog(choices));
  document.getElementById('SheetPrint').addEventListener('click', () => printDocument('sheet'));
  document.getElementById('SheetClose').addEventListener('click', closeSheet);
  wireSheetDialog(dialog, choices);
  // The browser's own print command prints the document in view too.
  window.addEventListener('beforeprint', () => {
    if (document.getElementById('SheetView').hidden) {
      prepareSolution(form);
    } else {
      document.body.dataset.printing = 'sheet';
    }
  });
}
