// The form's flow in time: every change shows the matching report, at once
// or, while the amount is being typed, after a short delay; the address
// follows the form, one history entry per settled report; back and forward
// show the report of their entry.
const kTypingDelay = 150;
const kPause = 1000;

// `render(state)` shows the report of a state and returns its address
// fragment; `read()` is the form's state, `showInForm(state)` puts a state
// into the form, `fragmentState(fragment)` is the state of an address, and
// `announce()` tells that a report is settled.
export function createFlow({ read, render, showInForm, fragmentState, announce }) {
  let shownFragment = null; // the address whose report is on screen
  let entrySettled = true; // whether the history entry holds a settled report
  let typing = null; // the timer of the report that follows typing
  let pause = null; // the timer after which typing counts as settled

  // The address follows the form: a settled entry stays, and the next
  // change begins an entry of its own; an entry still being typed is
  // replaced.
  function follow(fragment, settled) {
    if (fragment !== (location.hash === "#" ? "" : location.hash)) {
      const address = fragment === "" ? location.pathname + location.search : fragment;
      if (entrySettled) {
        history.pushState(null, "", address);
      } else {
        history.replaceState(null, "", address);
      }
    }
    shownFragment = location.hash;
    entrySettled = settled;
  }

  function update(settled) {
    clearTimeout(typing);
    typing = null;
    follow(render(read()), settled);
    if (settled) announce();
  }

  // Whatever the user does next takes the report that matches the form.
  function settle() {
    clearTimeout(pause);
    if (typing !== null) update(true);
    else if (!entrySettled) {
      entrySettled = true;
      announce();
    }
  }

  return {
    settle,
    // The amount is being typed.
    typed() {
      clearTimeout(typing);
      clearTimeout(pause);
      typing = setTimeout(() => {
        update(false);
        pause = setTimeout(settle, kPause);
      }, kTypingDelay);
    },
    // A choice is settled when made.
    chosen() {
      settle();
      update(true);
    },
    // Back, forward, or an address typed or followed.
    restore() {
      // A fragment without a key is no state of the form: a stray anchor.
      if (shownFragment === location.hash || (location.hash.length > 1 && !location.hash.includes("="))) return;
      clearTimeout(typing);
      clearTimeout(pause);
      typing = null;
      const state = fragmentState(location.hash);
      showInForm(state);
      render(state);
      shownFragment = location.hash;
      entrySettled = true;
      announce();
    },
  };
}
