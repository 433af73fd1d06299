#include "apps/gridkit/usage_text.h"

namespace gridkit::cli {

std::string UsageText() {
  return R"(Usage:
  gridkit excel (--grid FILE.json | --csv FILE.csv | --sqlite DB --query SQL)
                [--head1 TEXT] [--head2 TEXT] [--locale NAME] --out FILE.xlsx
  gridkit demo [--out-dir DIR] [--sample FILE.json] [--locale NAME]
  gridkit keys feskadel [--set NAME=VALUE]... [--load FILE.json] [--save FILE.json]
               --keys KEYS
  gridkit --help

excel   exports a flexible grid to a workbook, as a host's ExcelPosting would:
          --grid FILE.json      a JSON grid description
          --csv FILE.csv        a CSV file; its first record is the header row
          --sqlite DB --query SQL
                                an SQLite query; its field names are the header row
          --head1, --head2      heading rows above the grid
          --locale NAME         regional settings (en_GB, en_US, de_DE ...);
                                the machine's by default
          --out FILE.xlsx       the workbook to write
demo    exports the bundled sample grid to DIR/gridkit-demo.xlsx
        (DIR "gridkit-demo" by default; --locale en_GB by default) and
        prints the workbook's path
keys    places a control (feskadel, the decimal text box) on a form with a
        plain text box after it, plays KEYS to it and prints its Text,
        SelStart, SelLength, Value and the events it raised as JSON:
          --set NAME=VALUE      sets a property first (may be repeated)
          --load FILE.json      places the control from saved properties
          --save FILE.json      saves the control's properties at the end
          --keys KEYS           characters type themselves; {focus} clicks
                                into the control; {home} {end} {left} {right}
                                {backspace} {delete} {enter} {tab} {F1} ...
                                are keys; {{} and {}} type braces

Message boxes are printed on standard error, one line each.
Exit status: 0 the command completed without a message box; 1 a message box
was shown; 2 a usage error or an input that cannot be read.
)";
}

}  // namespace gridkit::cli
