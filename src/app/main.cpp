// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Run.h"

int main(int argc, char** argv) {
    return app::run(argc, argv);
}
