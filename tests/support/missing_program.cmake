# SPDX-License-Identifier: MIT
# Stands in for a test whose program is missing, and fails, naming what to install: the README's
# commands install every such program, so a missing one is a set-up to mend, not a check to pass over.
message(FATAL_ERROR "missing: ${MISSING}. `bash scripts/test.sh` (or `bash scripts/windows.sh`) installs it.")
