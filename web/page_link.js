// A problem as a link: the address's fragment names the body by its index,
// the unknown and the known values by the captions of their selectors, e.g.
// #body=1&unknown=R1&V=462&H=7&R2=3. Opening it does what a student would do:
// choose the body, choose the unknown, type each value; nothing is calculated
// until «Изчисли» is pressed. The names come from the form's state, so a
// link says exactly what the captions show.
// (No destructuring in for-of loops here: emscripten's minifier of this
// version turns it into a syntax error.)

// A longer value is no problem a teacher sends, and is left out.
const linkValueLimit = 64;

// The fragment's parts by name; a part that cannot be decoded is skipped,
// and a name given twice keeps its first value.
function linkParts(fragment) {
  const parts = new Map();
  for (const part of fragment.replace(/^#/, '').split('&')) {
    const equals = part.indexOf('=');
    if (equals < 1) continue;
    try {
      const name = decodeURIComponent(part.slice(0, equals));
      const value = decodeURIComponent(part.slice(equals + 1));
      if (!parts.has(name)) parts.set(name, value);
    } catch {
      // Broken percent-encoding: this part says nothing.
    }
  }
  return parts;
}

// The quantities of the chosen body as shown: each input with the unknown
// selector the layout labels it by, named by that selector's caption.
function shownQuantities(form) {
  const quantities = [];
  for (const input of views.values()) {
    const selector = views.get(input.row.labelledBy);
    // Only a quantity's input is labelled by an option button: its selector.
    if (!selector || selector.control.type !== 'radio') continue;
    const state = form.state(selector.row.name);
    if (!state.visible || !state.caption) continue;
    quantities.push({ name: state.caption, selector, input, unknown: state.selected });
  }
  return quantities;
}

function applyProblemLink(form) {
  const parts = linkParts(location.hash);
  if (parts.size === 0) return;
  const body = bodySelectors().find(
    (view) => String(Module.drawingOf(view.row.name)) === parts.get('body'));
  if (body) body.control.click();
  const quantities = shownQuantities(form);
  const unknown = quantities.find((quantity) => quantity.name === parts.get('unknown'));
  if (unknown) unknown.selector.control.click();
  for (const quantity of quantities) {
    const text = parts.get(quantity.name);
    const input = quantity.input.control;
    if (text === undefined || text.length > linkValueLimit || input.disabled) continue;
    typeInto(input, text);
  }
}

// As a student types: the input's text, never markup.
function typeInto(input, text) {
  input.value = text;
  input.dispatchEvent(new Event('input'));
}

// Readable where it may be: a comma needs no escape in a fragment.
function linkValue(text) {
  return encodeURIComponent(text).replace(/%2C/g, ',');
}

function problemLink(form) {
  const body = bodySelectors().find((view) => form.state(view.row.name).selected);
  const parts = body ? [`body=${Module.drawingOf(body.row.name)}`] : [];
  const quantities = shownQuantities(form);
  const unknown = quantities.find((quantity) => quantity.unknown);
  if (unknown) parts.push(`unknown=${linkValue(unknown.name)}`);
  for (const quantity of quantities) {
    const text = form.state(quantity.input.row.name).text;
    if (quantity.unknown || !text || text.length > linkValueLimit) continue;
    try {
      parts.push(`${linkValue(quantity.name)}=${linkValue(text)}`);
    } catch {
      // Text that is no Unicode (a lone surrogate) cannot be in a link.
    }
  }
  return `${location.href.split('#')[0]}#${parts.join('&')}`;
}

let confirmationTimer = 0;

function confirmSharing(note, text, link) {
  note.replaceChildren(text);
  if (link) {
    // Where nothing could take the link, it is shown, to be copied by hand.
    const anchor = document.createElement('a');
    anchor.href = link;
    anchor.textContent = link;
    note.append(' ', anchor);
  }
  // A confirmation goes after a few seconds; a link to copy stays.
  clearTimeout(confirmationTimer);
  if (!link) confirmationTimer = setTimeout(() => note.replaceChildren(), 4000);
}

async function shareProblem(form, note) {
  const link = problemLink(form);
  if (navigator.share) {
    try {
      await navigator.share({ title: document.title, url: link });
      confirmSharing(note, 'Задачата е споделена.');
      return;
    } catch (error) {
      if (error.name === 'AbortError') return;  // the student closed the share sheet
    }
  }
  try {
    await navigator.clipboard.writeText(link);
    confirmSharing(note, 'Връзката към задачата е копирана.');
  } catch {
    confirmSharing(note, 'Връзката към задачата:', link);
  }
}

function wireProblemLink(form) {
  applyProblemLink(form);
  globalThis.addEventListener('hashchange', () => applyProblemLink(form));
  const note = document.getElementById('ShareNote');
  const button = document.getElementById('Share');
  button.addEventListener('click', () => shareProblem(form, note));
  document.getElementById('Sharing').hidden = false;
}
