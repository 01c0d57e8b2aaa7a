#!/usr/bin/env bash
# Draws a range of a workbook twice into one picture, so that a difference shows at a
# glance: above, the table the host shell places from it (its render); below,
# LibreOffice's PDF print of the same range, as a reference only. Each is trimmed of
# its white margins, brought to the same width and labelled.
# Usage: tools/compare.sh BOOK SHEET RANGE OUT.png
#   RANGE is a cell address such as A1:D20. The table is placed with the default
#   options (a registry of its own); LibreOffice prints a copy of the workbook, the
#   range on one page, without headers, footers or grid lines.
# QUORVELLE_BUILD=FOLDER runs the host shell of that build folder instead of making an
# optimised build in build/. Installs what it needs (Debian packages, through apt-get;
# sudo when not root): the build's packages, libreoffice-calc-nogui, python3-uno,
# poppler-utils and python3-pil.
set -euo pipefail

fail() {
  echo "compare.sh: $*" >&2
  exit 1
}
[ $# -eq 4 ] || { echo "usage: tools/compare.sh BOOK SHEET RANGE OUT.png" >&2; exit 2; }
book="$1" sheet="$2" range="$3" out="$4"
[ -e "$book" ] || fail "no workbook $book"
[ -f "$book" ] || fail "$book is not a workbook file"
case "${book,,}" in *.xlsx | *.xlsm) ;; *) fail "$book is no .xlsx or .xlsm workbook" ;; esac
[ -n "$sheet" ] || fail "the sheet name is empty"
cell='\$?[A-Za-z]{1,3}\$?[0-9]{1,7}'
[[ "$range" =~ ^$cell(:$cell)?$ ]] || fail "\"$range\" is not a range of cells such as A1:D20"
case "${out,,}" in *.png) ;; *) fail "the picture to write must be a .png file: $out" ;; esac
book="$(cd "$(dirname "$book")" && pwd)/$(basename "$book")"
mkdir -p "$(dirname "$out")" || fail "cannot make the folder of $out"
out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"

cd "$(dirname "$0")/.."
tools/deps.sh
run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
missing=()
for p in libreoffice-calc-nogui python3-uno poppler-utils python3-pil; do
  dpkg-query -W -f='${Status}' "$p" 2> /dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} > 0)); then
  export DEBIAN_FRONTEND=noninteractive
  run apt-get update
  run apt-get install -y --no-install-recommends "${missing[@]}"
fi
# LibreOffice's Python is Debian's own, whatever python3 comes first on the PATH.
python=/usr/bin/python3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build="${QUORVELLE_BUILD:-build}"
if [ -z "${QUORVELLE_BUILD:-}" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$work/build.log" || { cat "$work/build.log" >&2; fail "the build could not be set up"; }
fi
cmake --build "$build" -j "$(nproc)" --target quorvelle QuorvelleV8i_standin > "$work/build.log" ||
  { tail -n 40 "$work/build.log" >&2; fail "the host shell could not be built"; }

# Both read copies: the user's workbook is never opened for writing.
mkdir "$work/book"
cp "$book" "$work/book/"
copy="$work/book/$(basename "$book")"

# Ours: the range placed at the origin and drawn.
export QUORVELLE_REGISTRY="$work/registry.json"
shell="$build/bin/quorvelle"
if ! "$shell" --quiet --design "$work/ours.dgn" create --workbook "$copy" --sheet "$sheet" --range "$range" \
  --at 0,0 > "$work/create.log" 2>&1; then
  cat "$work/create.log" >&2
  fail "the host shell could not place $range of the sheet \"$sheet\""
fi
"$shell" --quiet --design "$work/ours.dgn" render "$work/ours.png" || fail "the host shell could not draw the table"

# Theirs: LibreOffice prints the range alone, fitted to one page, to PDF.
cat > "$work/print_range.py" << 'EOF'
import os, subprocess, sys, time
import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

book, sheet, cells, pdf, profile = sys.argv[1:]

def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p

def stop(message):
    print(message, file=sys.stderr)
    sys.exit(1)

pipe = "quorvelle_compare_%d" % os.getpid()
desktop = None
office = subprocess.Popen(["soffice", "-env:UserInstallation=" + uno.systemPathToFileUrl(profile), "--headless",
                           "--invisible", "--nologo", "--norestore", "--nodefault",
                           "--accept=pipe,name=%s;urp;" % pipe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    context = None
    # LibreOffice builds its profile on its first start, which takes a while.
    for attempt in range(600):
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            break
        except NoConnectException:
            if office.poll() is not None:
                stop("LibreOffice ended before it could be reached")
            time.sleep(0.2)
    if context is None:
        stop("LibreOffice could not be reached")
    desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
    doc = desktop.loadComponentFromURL(uno.systemPathToFileUrl(book), "_blank", 0, (prop("Hidden", True),))
    if doc is None or not hasattr(doc, "Sheets"):
        stop("LibreOffice cannot open the workbook")
    if not doc.Sheets.hasByName(sheet):
        stop('the workbook has no sheet "%s"' % sheet)
    target = doc.Sheets.getByName(sheet)
    try:
        area = target.getCellRangeByName(cells).getRangeAddress()
    except Exception:
        stop('"%s" is no range of the sheet' % cells)
    # Only the range prints: the other sheets are hidden and have no print range.
    for i in range(doc.Sheets.getCount()):
        other = doc.Sheets.getByIndex(i)
        other.setPrintAreas(())
        if other.Name != sheet:
            other.IsVisible = False
    target.setPrintAreas((area,))
    target.setPrintTitleColumns(False)
    target.setPrintTitleRows(False)
    style = doc.StyleFamilies.getByName("PageStyles").getByName(target.PageStyle)
    style.HeaderIsOn = False
    style.FooterIsOn = False
    style.PrintGrid = False
    style.PrintHeaders = False
    style.ScaleToPagesX = 1
    style.ScaleToPagesY = 1
    filter_data = uno.Any("[]com.sun.star.beans.PropertyValue", (prop("Selection", target.getCellRangeByName(cells)),))
    uno.invoke(doc, "storeToURL", (uno.systemPathToFileUrl(pdf),
                                   (prop("FilterName", "calc_pdf_Export"), prop("FilterData", filter_data))))
    doc.close(True)
finally:
    try:
        if desktop is not None:
            desktop.terminate()
        office.wait(timeout=30 if desktop is not None else 0.1)
    except Exception:
        office.kill()
        office.wait()
EOF
timeout 300 "$python" "$work/print_range.py" "$copy" "$sheet" "$range" "$work/theirs.pdf" "$work/profile" \
  2> "$work/print.log" || { cat "$work/print.log" >&2; fail "LibreOffice could not print $range of the sheet \"$sheet\""; }
pdftoppm -png -r 150 -singlefile "$work/theirs.pdf" "$work/theirs" || fail "the PDF print could not be turned into a picture"

# One picture: each trimmed of its white margins, at the wider one's width, labelled.
label_font=$(fc-match -f '%{file}' 'Liberation Sans:bold')
cat > "$work/combine.py" << 'EOF'
import sys
from PIL import Image, ImageChops, ImageDraw, ImageFont

ours, theirs, out, font_file, title = sys.argv[1:]

def trimmed(path):
    image = Image.open(path).convert("RGB")
    box = ImageChops.difference(image, Image.new("RGB", image.size, "white")).getbbox()
    return image.crop(box) if box else image

pictures = [trimmed(ours), trimmed(theirs)]
width = max(p.width for p in pictures)
pictures = [p if p.width == width else p.resize((width, max(1, round(p.height * width / p.width))), Image.LANCZOS)
            for p in pictures]
labels = ["Quorvelle: the placed table, drawn by the host shell (" + title + ")",
          "LibreOffice: the PDF print of the same range (reference)"]
font = ImageFont.truetype(font_file, 22)
margin, band = 16, 40
height = sum(p.height for p in pictures) + len(pictures) * (band + 2 * margin)
sheet = Image.new("RGB", (width + 2 * margin, height), "white")
draw = ImageDraw.Draw(sheet)
y = 0
for picture, label in zip(pictures, labels):
    draw.rectangle((0, y, sheet.width, y + band), fill=(230, 235, 242))
    draw.text((margin, y + band / 2), label, fill="black", font=font, anchor="lm")
    y += band + margin
    sheet.paste(picture, (margin, y))
    y += picture.height + margin
sheet.save(out, optimize=True)
EOF
"$python" "$work/combine.py" "$work/ours.png" "$work/theirs.png" "$out" "$label_font" \
  "$(basename "$book") $sheet!$range" || fail "the pictures could not be put together"
echo "$out: above the host shell's render, below LibreOffice's print of $sheet!$range"
