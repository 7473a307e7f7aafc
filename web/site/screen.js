// The main screen as the play layer shows it. Each text is written only when it differs from
// the one painted, so that a tick that changes nothing costs nothing.

const byId = (id) => document.getElementById(id);

const view = {
  number: byId("number"),
  question: byId("question"),
  answers: [...document.querySelectorAll(".answer-text")],
  markers: [...document.querySelectorAll(".marker")],
  score: byId("score"),
  clock: byId("clock"),
  rank: byId("rank"),
};
const rankLowest = Number(view.rank.getAttribute("aria-valuemin"));

const painted = { rank: null, pressedMarker: 0 };

function write(element, text) {
  if (element.textContent !== text) {
    element.textContent = text;
  }
}

export function paintScreen(shown) {
  write(view.number, shown.number);
  write(view.question, shown.question);
  shown.answers.forEach((answer, k) => write(view.answers[k], answer));
  write(view.score, shown.score);
  if (view.clock.textContent !== shown.clock) {
    view.clock.textContent = shown.clock;
    view.clock.dateTime = shown.clock;
  }
  if (painted.rank !== shown.rank) {
    painted.rank = shown.rank;
    view.rank.style.setProperty("--rank", shown.rank);
    // The gauge starts at its lowest: a rank below it shows as it.
    view.rank.setAttribute("aria-valuenow", Math.max(shown.rank, rankLowest));
  }
  if (painted.pressedMarker !== shown.pressedMarker) {
    painted.pressedMarker = shown.pressedMarker;
    view.markers.forEach((marker, k) => marker.classList.toggle("pressed", k + 1 === shown.pressedMarker));
  }
}
