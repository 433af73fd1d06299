#include "apps/gridkit/usage_text.h"

namespace gridkit::cli {

std::string UsageText() {
  return R"(Usage:
  gridkit excel (--grid FILE.json | --csv FILE.csv | --sqlite DB --query SQL)
                [--head1 TEXT] [--head2 TEXT] [--locale NAME] --out FILE.xlsx
  gridkit print (--grid FILE.json | --csv FILE.csv | --sqlite DB --query SQL)
                --printer NAME [--pdf FILE.pdf] [--landscape ask|yes|no|cancel]
                [--host-w-width TWIPS] [--locale NAME] [report options]
  gridkit printers
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
print   prints a flexible grid, loaded as for excel, as a paginated report:
          --printer NAME        a name that gridkit printers lists
          --pdf FILE.pdf        the file of the built-in printer PDF (required
                                with it, refused with any other)
          --landscape ANSWER    answers the questions about a report wider
                                than the paper: ask (default; on the terminal,
                                else the first button), yes, no or cancel
          --host-w-width TWIPS  the host form's width of "W" that column
                                widths are read against (165: MS Sans Serif 8
                                at 96 dpi)
          --locale NAME         regional settings of the date line
        report options (defaults in brackets):
          --line-betn-col, --line-betn-row   rules between columns, rows [off]
          --no-line-req-for-head             no rules in the heading band
          --gp-head-diff-by, --total-diff-by none|backcolor|forecolor|bold
                                how group heading and total rows are found
                                from one cell's look [none]
          --gp-head-col N, --total-col N     the column of that cell [0]
          --groups-diff-on, --total-diff-on none|bold|line|both
                                what a found row gets [none]
          --company-name T, --company-address T   first-page lines [none]
          --page-head1 T, --page-head2 T     heads on every page [none]
          --no-line-on-page-break            no rule above a page break
          --left-margin N       in characters [2; 2 at least]
          --top-margin N        in lines [2; 2 at least]
          --no-print-date       no date line on the last page
          --font-size N         points [8; 8 at least]
printers
        lists the printer names, one a line: the machine's, then PDF
demo    exports the bundled sample grid to DIR/gridkit-demo.xlsx and prints
        it as a report to DIR/gridkit-demo.pdf (DIR "gridkit-demo" by
        default; --locale en_GB by default); prints both paths
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

Message boxes are printed on standard error, one line each; a print job's
failure as "gridkit: REASON".
Exit status: 0 the command completed without a message box (print: the job
printed to the end); 1 a message box was shown (print: the job stopped);
2 a usage error or an input that cannot be read.
)";
}

}  // namespace gridkit::cli
