#include "replay/replay.h"

#include <memory>
#include <string>

#include "replay/script_error.h"
#include "replay/state_json.h"
#include "replay/window_names.h"

namespace quibbet::replay {

Replay::Replay(std::ostream& out, HighScoreStore& store) : shell_(random_, box_, store), out_(out) {
  shell_.Start();
}

void Replay::Execute(const Command& command) {
  if (shell_.Ended() && !std::holds_alternative<Dump>(command)) {
    throw ScriptError("the program has ended");
  }
  std::visit([this](const auto& c) { Execute(c); }, command);
}

void Replay::Execute(const Click& click) {
  const ButtonRoute& route = *click.button;
  RequireVisible(route.window);
  if (!route.find(shell_)->visible) {
    throw ScriptError(std::string(route.name) + " is not shown");
  }
  route.click(shell_);
}

void Replay::Execute(const Close& close) {
  RequireVisible(close.window);
  shell_.CloseBox(close.window);
}

void Replay::Execute(const Answer& answer) {
  box_.QueueAnswer(answer.answer);
}

// Once a tick is not delivered no later one is: only a command can restart the timer.
void Replay::Execute(const Tick& tick) {
  for (std::int64_t i = 0; i < tick.count && TimerRunning(); ++i) {
    shell_.form1()->Timer1_Timer();
  }
}

void Replay::Execute(const Move& move) {
  VisibleForm1().Form_MouseMove(0, 0, move.x, move.y);
}

void Replay::Execute(const Key& key) {
  VisibleForm1().Form_KeyDown(key.code, 0);
}

void Replay::Execute(const Type& type) {
  Form1& form = VisibleForm1();
  if (!form.txtname.visible) {
    throw ScriptError("txtname is not shown");
  }
  form.txtname.text = type.text;
}

void Replay::Execute(const Rand& rand) {
  for (float r : rand.draws) {
    random_.Queue(r);
  }
}

void Replay::Execute(const UseLcg& lcg) {
  random_.ReplaceGenerator(std::make_unique<LcgRandom>(lcg.seed));
}

void Replay::Execute(const Dump& /*dump*/) {
  out_ << StateToJson(shell_, box_.TakeShown()).dump() << '\n';
}

void Replay::RequireVisible(Window window) const {
  if (shell_.State(window) != WindowState::kVisible) {
    throw ScriptError(std::string(NameOf(window)) + " is not visible");
  }
}

Form1& Replay::VisibleForm1() {
  RequireVisible(Window::kForm1);
  return *shell_.form1();
}

bool Replay::TimerRunning() const {
  const Form1* form = shell_.form1();
  return form != nullptr && form->Timer1.enabled;
}

}  // namespace quibbet::replay
