#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the translation sources from the code: every tr() text and every designer-form
# text lands in translations/corvane_*.ts, keeping the translations already made.
# The build turns the .ts files into the .qm catalogues beside the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -locations none -no-obsolete -I . app engine plan ui pages widgets util \
    -ts translations/corvane_zh.ts translations/corvane_en.ts
