source "$(dirname "${BASH_SOURCE[0]}")/x11-test-lib.bash"; exit 77
