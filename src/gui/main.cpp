#include "gui/app.h"

int main(int argc, char** argv) {
  return quillbit::RunApplication(argc, argv);
}
