// «Упражнение»: the pupil solves a problem the program poses, and it stands
// in the window's place as a sheet does, until «Затвори» or «Към прозореца».
// A thin view of the C++ practice (Module.Practice): each action goes to it
// and the view shows its view() again, whole. The practice and its elements
// are made when the pupil first opens it, and kept for the page's run (the
// score with them); nothing is stored.
'use strict';

// The captions by the id of the element that shows each or is named by it,
// from the C++ table (practice/captions.h): an id it has not is a fault, and
// so is an element it names that the view does not make (checked when the
// view is made).
let captionsOfModule = null;

function practiceCaption(id) {
  if (!captionsOfModule) captionsOfModule = Module.practiceCaptions();
  const caption = captionsOfModule[id];
  if (caption === undefined) throw new Error(`the practice's captions name no element ${id}`);
  return caption;
}

function checkPracticeElements() {
  const missing = Object.keys(captionsOfModule).filter((id) => !document.getElementById(id));
  if (missing.length > 0) throw new Error(`the practice's view has no ${missing.join(', ')}`);
}

// The buttons of the view and what each asks of the practice; `emptiesAnswer`
// for a new problem.
const practiceActions = {
  PracticeHint: { act: (practice) => practice.hint() },
  PracticeShowSolution: { act: (practice) => practice.showSolution() },
  PracticeNew: { act: (practice) => practice.newProblem(), emptiesAnswer: true },
};

// The keys beside the answer box, for what a phone's decimal keypad lacks:
// each types its text at the caret and leaves the caret in the box. Shown
// where a finger may type (practice.css); a keyboard types both itself, so
// Tab passes them by.
const answerKeys = {
  PracticeFractionBar: { types: '/', shows: '/' },
  PracticeSpace: { types: ' ', shows: '' },  // the open box of a space, drawn by practice.css
};

let practice = null;

// An element whose text is its caption.
function captioned(tag, id, properties = {}) {
  // Object.assign, not spread: emscripten's optimizer cannot read object spread.
  return element(tag, Object.assign({ id }, properties), practiceCaption(id));
}

function practiceButton(id) {
  return captioned('button', id, { type: 'button' });
}

function practiceSettings(choices) {
  const bodies = element('fieldset', { className: 'practice-bodies' },
      captioned('legend', 'PracticeBodiesTitle'));
  choices.bodies.forEach((name, index) => bodies.append(element('label', {},
      element('input', { id: `PracticeBody${index}`, type: 'checkbox' }), name)));
  const range = element('select', { id: 'PracticeRange', 'aria-labelledby': 'PracticeRangeLabel' });
  choices.ranges.forEach((item, index) => range.append(element('option', { value: index }, item)));
  return element('div', { className: 'practice-settings' },
      bodies,
      element('label', {}, element('input', { id: 'PracticeAnyUnknown', type: 'checkbox' }),
              captioned('span', 'PracticeAnyUnknownLabel')),
      element('label', {}, captioned('span', 'PracticeRangeLabel'), range),
      element('p', { id: 'PracticeSettingsError', role: 'alert' }));
}

// In reading order, which is the narrow arrangement's; the wide one places
// the parts in a grid.
function practiceView(choices) {
  // A part named by its caption rather than showing it.
  const named = (tag, id, properties = {}, ...children) =>
      element(tag, Object.assign({ id, 'aria-label': practiceCaption(id) }, properties), ...children);
  return element('main', { id: 'PracticeView', hidden: true, 'aria-labelledby': 'PracticeTitle' },
      captioned('h1', 'PracticeTitle'),
      named('section', 'PracticeProblemPart', {},
          element('p', { id: 'PracticeProblem' })),
      element('figure', { id: 'PracticeDrawing', 'aria-hidden': 'true' }),
      element('form', { id: 'PracticeAnswerForm' },
          captioned('label', 'PracticeAnswerLabel', { htmlFor: 'PracticeAnswer' }),
          element('input', { id: 'PracticeAnswer', type: 'text', inputMode: 'decimal',
                             autocomplete: 'off', spellcheck: false }),
          ...Object.keys(answerKeys).map((id) => named('button', id,
              { type: 'button', className: 'practice-key', tabIndex: -1 }, answerKeys[id].shows)),
          captioned('button', 'PracticeCheck', { type: 'submit' })),
      named('div', 'PracticeVerdict', { role: 'status', 'aria-live': 'polite',
                                        'aria-atomic': 'true' }),
      element('div', { className: 'practice-commands practice-helps' },
          ...Object.keys(practiceActions).map(practiceButton)),
      element('div', { className: 'practice-work' },
          element('section', { id: 'PracticeHints', 'aria-labelledby': 'PracticeHintsTitle' },
              captioned('h2', 'PracticeHintsTitle'), element('ol')),
          element('section', { id: 'PracticeSolutionPart',
                               'aria-labelledby': 'PracticeSolutionTitle' },
              captioned('h2', 'PracticeSolutionTitle'), element('pre', { id: 'PracticeSolution' }))),
      named('section', 'PracticeScorePart', {}, element('p', { id: 'PracticeScore' })),
      element('div', { className: 'practice-commands practice-leave' },
          practiceButton('PracticeToWindow'), practiceButton('PracticeClose')),
      practiceSettings(choices));
}

function chosenPracticeSettings(choices) {
  return {
    bodies: choices.bodies.map((name, v) => document.getElementById(`PracticeBody${v}`).checked),
    anyUnknown: document.getElementById('PracticeAnyUnknown').checked,
    range: Number(document.getElementById('PracticeRange').value),
  };
}

function showPracticeSettings(settings) {
  settings.bodies.forEach((chosen, v) => {
    document.getElementById(`PracticeBody${v}`).checked = chosen;
  });
  document.getElementById('PracticeAnyUnknown').checked = settings.anyUnknown;
  document.getElementById('PracticeRange').value = String(settings.range);
}

let drawnProblem = null;

// Everything the practice shows; the verdict is told again only after
// «Провери», or when another problem takes its place.
function showPractice(checked) {
  const view = practice.view();
  const byId = (id) => document.getElementById(id);
  showPracticeSettings(view.settings);
  byId('PracticeProblem').textContent = view.sentence;
  if (view.sentence !== drawnProblem) {  // drawn to its numbers (net_bindings.h)
    drawnProblem = view.sentence;
    byId('PracticeDrawing').innerHTML = practice.solid();
  }
  const verdict = byId('PracticeVerdict');
  const told = [view.verdict, view.message].filter((line) => line);
  if (checked || verdict.textContent !== told.join('')) {
    verdict.replaceChildren(...told.map((line) => element('p', {}, line)));
  }
  byId('PracticeHints').hidden = view.hints.length === 0;
  byId('PracticeHints').querySelector('ol').replaceChildren(
      ...view.hints.map((hint) => element('li', {}, hint)));
  byId('PracticeSolutionPart').hidden = view.solution === '';
  byId('PracticeSolution').textContent = view.solution;
  byId('PracticeHint').disabled = !view.canHint;
  byId('PracticeShowSolution').disabled = !view.canShowSolution;
  byId('PracticeScore').replaceChildren(view.score, element('br'), view.streak);
}

// A button the action disables leaves the focus on the answer box.
function keepFocus() {
  if (document.activeElement.disabled || document.activeElement === document.body) {
    document.getElementById('PracticeAnswer').focus();
  }
}

// The practice's first settings: the window's body and range.
function windowChoice(form) {
  const body = bodySelectors().find((view) => form.state(view.row.name).selected);
  const range = [...views.values()].find((view) => view.row.kind === 'ListBox');
  return [Module.drawingOf(body.row.name), form.state(range.row.name).currentRow];
}

// What «Към прозореца» gives, put in as the student would: the body, the
// unknown, then each known value typed. Nothing is calculated.
function putIntoWindow(form, problem) {
  bodySelectors().find((view) => Module.drawingOf(view.row.name) === problem.body)
      .control.click();
  const quantities = shownQuantities(form);  // page_link.js, by slot
  quantities[problem.unknown].selector.control.click();
  quantities.forEach((quantity, slot) => {
    if (problem.typed[slot]) typeInto(quantity.input.control, problem.inputs[slot]);
  });
}

function showWindow(focused) {
  document.getElementById('PracticeView').hidden = true;
  document.getElementById('page').hidden = false;
  fitAllToText();  // the window's boxes were not laid out meanwhile
  focused.focus();
}

function openPractice(form) {
  if (!practice) {
    const choices = Module.sheetChoices();  // the bodies' names and the ranges
    practice = new Module.Practice(...windowChoice(form));
    document.getElementById('page').after(practiceView(choices));
    checkPracticeElements();
    wirePractice(form, choices);
  }
  showPractice(false);
  document.getElementById('page').hidden = true;
  document.getElementById('PracticeView').hidden = false;
  window.scrollTo(0, 0);
  document.getElementById('PracticeAnswer').focus({ preventScroll: true });
}

// The key's text in place of the selection, the caret after it, and the
// box heard as typed into.
function typeKey(answer, text) {
  answer.setRangeText(text, answer.selectionStart, answer.selectionEnd, 'end');
  answer.dispatchEvent(new Event('input', { bubbles: true }));
  answer.focus();
}

function wirePractice(form, choices) {
  const answer = document.getElementById('PracticeAnswer');
  for (const id of Object.keys(answerKeys)) {
    const key = document.getElementById(id);
    // A press that took the focus would close a phone's keyboard.
    key.addEventListener('mousedown', (event) => event.preventDefault());
    key.addEventListener('click', () => typeKey(answer, answerKeys[id].types));
  }
  document.getElementById('PracticeAnswerForm').addEventListener('submit', (event) => {
    event.preventDefault();  // Enter in the answer box checks too
    practice.check(answer.value);
    showPractice(true);
  });
  // No destructuring in for-of: emscripten's minifier cannot read it.
  for (const id of Object.keys(practiceActions)) {
    const action = practiceActions[id];
    document.getElementById(id).addEventListener('click', () => {
      action.act(practice);
      if (action.emptiesAnswer) answer.value = '';
      showPractice(false);
      keepFocus();
    });
  }
  document.querySelector('#PracticeView .practice-settings').addEventListener('change', () => {
    const refused = practice.changeSettings(chosenPracticeSettings(choices));
    document.getElementById('PracticeSettingsError').textContent = refused || '';
    if (!refused) answer.value = '';
    showPractice(false);
  });
  document.getElementById('PracticeToWindow').addEventListener('click', () => {
    putIntoWindow(form, practice.toWindow());
    showWindow(firstInTabOrder().control);
  });
  document.getElementById('PracticeClose').addEventListener('click', () => {
    showWindow(document.getElementById('Practice'));
  });
}

// «Упражнение» beside the documents' commands; nothing more until pressed.
function startPractice(form) {
  const button = practiceButton('Practice');
  document.getElementById('DocumentCommands').append(button);
  button.addEventListener('click', () => openPractice(form));
}
