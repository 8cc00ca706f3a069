// «Упражнение»: the pupil solves a problem the program poses, and it stands
// in the window's place as a sheet does, until «Затвори» or «Към прозореца».
// A thin view of the C++ practice (Module.Practice): each action goes to it
// and the view shows its view() again, whole. The practice and its elements
// are made when the pupil first opens it, and kept for the page's run (the
// score with them); nothing is stored.
'use strict';

// Each element that shows a caption or is named by one, by id, and the
// name of its caption among Module.practiceCaptions(); the page starts only
// if both name the same captions.
const practiceCaptionOf = {
  Practice: 'title',
  PracticeTitle: 'title',
  PracticeProblemPart: 'problem',
  PracticeAnswerLabel: 'answer',
  PracticeCheck: 'check',
  PracticeVerdict: 'verdict',
  PracticeHint: 'hint',
  PracticeShowSolution: 'showSolution',
  PracticeNew: 'newProblem',
  PracticeHintsTitle: 'hints',
  PracticeSolutionTitle: 'solution',
  PracticeScorePart: 'score',
  PracticeToWindow: 'toWindow',
  PracticeClose: 'close',
  PracticeBodiesTitle: 'bodies',
  PracticeAnyUnknownLabel: 'anyUnknown',
  PracticeRangeLabel: 'range',
};

// Throws, naming each caption the table has and the module not, and each
// the module has and the table not.
function checkPracticeCaptions(captions) {
  const names = Object.keys(captions);
  const used = Object.values(practiceCaptionOf);
  const faults = [
    ...used.filter((name) => !names.includes(name)).map((name) => `no caption ${name}`),
    ...names.filter((name) => !used.includes(name)).map((name) => `caption ${name} not shown`),
  ];
  if (faults.length > 0) {
    throw new Error(`the practice and the module differ: ${faults.join('; ')}`);
  }
}

// The buttons of the view and what each asks of the practice; `emptiesAnswer`
// for a new problem.
const practiceActions = {
  PracticeHint: { act: (practice) => practice.hint() },
  PracticeShowSolution: { act: (practice) => practice.showSolution() },
  PracticeNew: { act: (practice) => practice.newProblem(), emptiesAnswer: true },
};

let practice = null;

// An element whose text is its caption, by the table above.
function captioned(tag, id, properties = {}) {
  // Object.assign, not spread: emscripten's optimizer cannot read object spread.
  return element(tag, Object.assign({ id }, properties), practiceCaptions()[practiceCaptionOf[id]]);
}

let captionsOfModule = null;

function practiceCaptions() {
  if (!captionsOfModule) captionsOfModule = Module.practiceCaptions();
  return captionsOfModule;
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
  const text = practiceCaptions();
  return element('main', { id: 'PracticeView', hidden: true, 'aria-labelledby': 'PracticeTitle' },
      captioned('h1', 'PracticeTitle'),
      element('section', { id: 'PracticeProblemPart', 'aria-label': text.problem },
          element('p', { id: 'PracticeProblem' })),
      element('figure', { id: 'PracticeDrawing', 'aria-hidden': 'true' }),
      element('form', { id: 'PracticeAnswerForm' },
          captioned('label', 'PracticeAnswerLabel', { htmlFor: 'PracticeAnswer' }),
          element('input', { id: 'PracticeAnswer', type: 'text', inputMode: 'decimal',
                             autocomplete: 'off', spellcheck: false }),
          captioned('button', 'PracticeCheck', { type: 'submit' })),
      element('div', { id: 'PracticeVerdict', role: 'status', 'aria-live': 'polite',
                       'aria-atomic': 'true', 'aria-label': text.verdict }),
      element('div', { className: 'practice-commands practice-helps' },
          ...Object.keys(practiceActions).map(practiceButton)),
      element('div', { className: 'practice-work' },
          element('section', { id: 'PracticeHints', 'aria-labelledby': 'PracticeHintsTitle' },
              captioned('h2', 'PracticeHintsTitle'), element('ol')),
          element('section', { id: 'PracticeSolutionPart',
                               'aria-labelledby': 'PracticeSolutionTitle' },
              captioned('h2', 'PracticeSolutionTitle'), element('pre', { id: 'PracticeSolution' }))),
      element('section', { id: 'PracticeScorePart', 'aria-label': text.score },
          element('p', { id: 'PracticeScore' })),
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
    wirePractice(form, choices);
  }
  showPractice(false);
  document.getElementById('page').hidden = true;
  document.getElementById('PracticeView').hidden = false;
  window.scrollTo(0, 0);
  document.getElementById('PracticeAnswer').focus({ preventScroll: true });
}

function wirePractice(form, choices) {
  const answer = document.getElementById('PracticeAnswer');
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
  checkPracticeCaptions(practiceCaptions());
  const button = practiceButton('Practice');
  document.getElementById('DocumentCommands').append(button);
  button.addEventListener('click', () => openPractice(form));
}
