#include "practice/practice.h"

#include "core/number_text.h"
#include "practice/answer_key.h"
#include "practice/posed_problems.h"

namespace stereona::practice {

// One problem and how far the pupil has come with it, and the score over
// all of them.
struct Practice::Session {
  PracticeSettings settings;
  RandomSource random;
  PosedProblems posed;

  documents::PracticeProblem problem;
  SolvedProblem solved;
  std::string sentence;
  Feedback feedback;
  std::vector<std::string> hints;
  std::string solution;
  bool counted = false;  // entered the score: a counted try, or the solution shown
  bool wrong = false;    // a wrong answer given: hints open

  int solvedCount = 0;
  int countedCount = 0;
  int streak = 0;

  documents::SheetOptions Choice() const;
  void Pose();
  void Count(bool solvedFirstTry);
};

namespace {

documents::SheetOptions OptionsOf(const PracticeSettings& settings) {
  documents::SheetOptions options;
  options.bodies = settings.bodies;
  options.volumeOnly = !settings.anyUnknown;
  options.range = settings.range;
  options.problemCount = 1;  // one at a time
  return options;
}

}  // namespace

PracticeSettings DefaultSettings(std::size_t windowBody, std::size_t windowRange) {
  PracticeSettings settings;
  settings.bodies.at(windowBody) = true;
  settings.range = windowRange;
  return settings;
}

documents::SheetOptions Practice::Session::Choice() const { return OptionsOf(settings); }

void Practice::Session::Pose() {
  const documents::SheetOptions options = Choice();
  problem = posed.DrawNew(random, options);
  solved = Solve(problem);
  sentence = documents::ProblemSentence(problem);
  feedback = {};
  hints.clear();
  solution.clear();
  counted = false;
  wrong = false;
}

// The problem enters the score, once: solved at the first counted try, or
// not solved.
void Practice::Session::Count(bool solvedFirstTry) {
  if (counted) return;
  counted = true;
  ++countedCount;
  if (solvedFirstTry) {
    ++solvedCount;
    ++streak;
  } else {
    streak = 0;
  }
}

Practice::Practice(const PracticeSettings& settings, std::uint32_t seed)
    : session_(std::make_unique<Session>()) {
  documents::Validate(OptionsOf(settings));
  session_->settings = settings;
  session_->random.Seed(seed);
  session_->Pose();
}

Practice::~Practice() = default;

std::optional<std::string> Practice::ChangeSettings(const PracticeSettings& settings) {
  try {
    documents::Validate(OptionsOf(settings));
  } catch (const documents::SheetOptionsError& refused) {
    return refused.what();
  }
  session_->settings = settings;
  session_->Pose();
  return std::nullopt;
}

void Practice::Check(std::string_view answer) {
  Session& s = *session_;
  s.feedback = Judge(answer, s.solved.key);
  if (s.feedback.kind == VerdictKind::Right) s.Count(true);
  if (s.feedback.kind == VerdictKind::Wrong) {
    s.wrong = true;
    s.Count(false);
  }
}

bool Practice::CanHint() const noexcept {
  const Session& s = *session_;
  return s.wrong && s.solution.empty() && s.hints.size() < s.solved.hints.size();
}

void Practice::Hint() {
  if (CanHint()) session_->hints.push_back(session_->solved.hints[session_->hints.size()]);
}

void Practice::ShowSolution() {
  Session& s = *session_;
  if (!s.solution.empty()) return;
  s.solution = s.solved.solution;
  s.Count(false);
}

void Practice::NewProblem() { session_->Pose(); }

WindowInput Practice::ToWindow() const {
  const documents::PracticeProblem& problem = session_->problem;
  WindowInput input;
  input.body = problem.body;
  input.unknown = problem.unknown;
  for (std::size_t k = 0; k < kBodies[problem.body].quantityCount; ++k) {
    input.typed[k] = k != problem.unknown;
    if (input.typed[k]) input.inputs[k] = problem.given[k];
  }
  return input;
}

const PracticeSettings& Practice::Settings() const noexcept { return session_->settings; }
const std::string& Practice::Sentence() const noexcept { return session_->sentence; }
std::size_t Practice::Body() const noexcept { return session_->problem.body; }
std::size_t Practice::Unknown() const noexcept { return session_->problem.unknown; }
const Feedback& Practice::LastFeedback() const noexcept { return session_->feedback; }
const std::vector<std::string>& Practice::Hints() const noexcept { return session_->hints; }
const std::string& Practice::Solution() const noexcept { return session_->solution; }
bool Practice::CanShowSolution() const noexcept { return session_->solution.empty(); }
int Practice::SolvedCount() const noexcept { return session_->solvedCount; }
int Practice::CountedCount() const noexcept { return session_->countedCount; }
int Practice::Streak() const noexcept { return session_->streak; }
const documents::PracticeProblem& Practice::Problem() const noexcept { return session_->problem; }
const AnswerKey& Practice::Key() const noexcept { return session_->solved.key; }

std::string Practice::ScoreLine() const {
  return "Решени от първия опит: " + NumberText(SolvedCount()) + " от " +
         NumberText(CountedCount());
}

std::string Practice::StreakLine() const {
  return "Поредни решени от първия опит: " + NumberText(Streak());
}

}  // namespace stereona::practice
