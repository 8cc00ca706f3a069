// Appended after the page's script to the module built for Node: the page's
// tables must name exactly the form's words, and checkVocabulary must notice
// a word the page does not know and an entry the form no longer has. The
// page's own start-up needs a document; under Node this check runs instead,
// since it is appended later and takes the module's start-up hook.
'use strict';

function differs(vocabulary) {
  try {
    checkVocabulary(vocabulary);
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
  for (const failure of failures) console.error(failure);
  console.log(`${7 - failures.length} passed, ${failures.length} failed`);
  process.exitCode = failures.length === 0 ? 0 : 1;
};
