// Entry point of the windowed program `tarvik`.
#include "app/CPellorApp.h"

int main(int argc, char** argv) { return tarvik::CPellorApp().run(argc, argv); }
