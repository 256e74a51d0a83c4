// The process entry point. The command line and the show state are not
// used: the program takes no argument and shows its window its own way.
#include "shell/app_state.h"
#include "winapi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  shell::AppState state;
  return shell::RunStartupSequence(state);
}
