#include "CliPrompts.h"

TMsgButton TCliPrompts::Ask(TMsgKind, const std::string& Text, TMsgButtons Buttons) {
  LastMessage = Text;
  // Give up / decline: never retry, never back up, keep nothing waiting.
  for (TMsgButton B : {mbCancel, mbNo, mbIgnore, mbOK})
    if (Buttons & B) return B;
  return mbCancel;
}

std::string OneLine(std::string Text) {
  for (char& C : Text)
    if (C == '\r' || C == '\n') C = ' ';
  return Text;
}
