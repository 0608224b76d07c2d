# Stands in for a test whose tool was not found when configuring: fails, naming the package.
cmake_policy(VERSION 3.25)
message(FATAL_ERROR "${TOOL} is missing: install the Debian package ${PACKAGE} "
                    "(scripts/deps.sh --test), then configure again")
