// Fits texts into their controls, on what the browser renders: the face it has, a user's larger
// text or minimum font size. The panel's lines go at the largest size, in steps of a quarter point
// and not below the smallest, at which all of them fit; a caption or the start label at its own
// size, or as large as fits. Each is scaled by a transform, which lays nothing out anew and which
// no minimum font size holds up. Fitted again whenever a text's own size changes: when the window
// scales, the text size is changed or the start label gets a new text.

// A value of the shared design, which the page's style sheet holds.
function design(element, name) {
  return parseFloat(getComputedStyle(element).getPropertyValue(`--${name}`));
}

function fitPanel(panel) {
  const lines = panel.firstElementChild;
  lines.style.transform = 'none';
  const form = panel.parentElement;
  const point = (form.getBoundingClientRect().width / design(form, 'window-width')) * 4 / 3; // at the window's scale
  const drawn = parseFloat(getComputedStyle(lines).fontSize) / point; // in points, as the browser draws it
  const { width, height } = lines.getBoundingClientRect();
  const room = panel.getBoundingClientRect();
  const fits = (size) => width * size <= room.width * drawn && height * size <= room.height * drawn;
  let size = design(form, 'japanese-point-size');
  while (size > design(form, 'panel-smallest-point-size') && !fits(size))
    size -= design(form, 'panel-point-size-step');
  lines.style.transform = `scale(${size / drawn})`;
}

function fitCaption(control) {
  const caption = control.firstElementChild;
  caption.style.transform = 'none';
  const style = getComputedStyle(control);
  const roomWidth = control.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  const roomHeight = control.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
  const { width, height } = caption.getBoundingClientRect();
  const scale = Math.min(1, (roomWidth - 1) / width, (roomHeight - 1) / height);
  caption.style.transform = scale < 1 ? `scale(${scale})` : '';
}

export function fitTexts(form) {
  const panel = form.querySelector('section');
  const fitters = new Map([[panel.firstElementChild, () => fitPanel(panel)]]);
  for (const control of form.querySelectorAll('button, output'))
    fitters.set(control.firstElementChild, () => fitCaption(control));
  const observer = new ResizeObserver((entries) => entries.forEach(({ target }) => fitters.get(target)()));
  fitters.forEach((fit, text) => observer.observe(text));
}
