// Appended after the page's script to the module built for Node: the page's
// tables must name exactly the form's words, and checkVocabulary must notice
// a word the page does not know and an entry the form no longer has; so must
// the practice's table of captions and checkPracticeCaptions. The
// page's own start-up needs a document; under Node this check runs instead,
// since it is appended later and takes the module's start-up hook.
'use strict';

function differs(vocabulary, check = checkVocabulary) {
  try {
    check(vocabulary);
    return '';
  } catch (error) {
    return error.message;
  }
}

Module.onRuntimeInitialized = () => {
  const vocabulary = Module.vocabulary();
  const failures = [];
  const agreed = differs(vocabulary);
  if (agreed) failures.push(`the page and the module: ${agreed}`);
  for (const words of ['kinds', 'fonts', 'properties']) {
    // Object.assign, not spread: emscripten's optimizer cannot read object spread.
    const added = Object.assign({}, vocabulary, { [words]: [...vocabulary[words], 'Unheard'] });
    if (!differs(added).includes('no entry for Unheard')) {
      failures.push(`a new word among the ${words} went unnoticed`);
    }
    const dropped = Object.assign({}, vocabulary, { [words]: vocabulary[words].slice(1) });
    if (!differs(dropped).includes(`${vocabulary[words][0]} is not one of the form's ${words}`)) {
      failures.push(`an entry for a word the form dropped from its ${words} went unnoticed`);
    }
  }
  const captions = Module.practiceCaptions();
  const practiceAgreed = differs(captions, checkPracticeCaptions);
  if (practiceAgreed) failures.push(`the practice and the module: ${practiceAgreed}`);
  const first = Object.keys(captions)[0];
  const more = Object.assign({}, captions, { unheard: '' });
  if (!differs(more, checkPracticeCaptions).includes('caption unheard not shown')) {
    failures.push('a new caption of the practice went unnoticed');
  }
  const fewer = Object.assign({}, captions);
  delete fewer[first];
  if (!differs(fewer, checkPracticeCaptions).includes(`no caption ${first}`)) {
    failures.push('a caption the practice dropped went unnoticed');
  }
  for (const failure of failures) console.error(failure);
  console.log(`${10 - failures.length} passed, ${failures.length} failed`);
  process.exitCode = failures.length === 0 ? 0 : 1;
};
