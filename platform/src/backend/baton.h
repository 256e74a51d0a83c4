// Two threads, one running at a time: the app thread runs the program, the
// driver thread (a test, or the script of the headless program) waits while
// it does, and takes over when the app waits for input or ends.
#pragma once

#include <condition_variable>
#include <mutex>

namespace lw {

// Thrown on the app thread when the driver goes away while the app waits;
// it unwinds the program to where the app thread started.
struct SessionClosing {};

class Baton {
 public:
  // App side: gives the turn to the driver and waits for it to come back.
  void YieldToDriver();
  // App side: the first wait, before the program starts.
  void WaitForFirstTurn();
  // App side: the program ended; the driver keeps the turn for good.
  void AppFinished();

  // Driver side: lets the app run until it yields or finishes.
  void RunApp();
  // Driver side: the app will unwind at its next turn.
  void Close();

 private:
  void WaitForAppTurn(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable changed_;
  bool appTurn_ = false;
  bool finished_ = false;
  bool closing_ = false;
};

}  // namespace lw
