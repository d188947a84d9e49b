#!/usr/bin/env bash
# zornatool shadow: the drop shadow and frame of a result picture, and the answers to bad
# arguments and files. Pictures are made and read back with ImageMagick.
source "$(dirname "$0")/picture_checks.bash"

# A white 32 x 32 result with a black 8 x 8 square at (12,12)-(19,19).
convert -size 32x32 xc:white -fill black -draw "rectangle 12,12 19,19" -type TrueColor BMP3:result.bmp

"$TOOL" shadow --help | grep -q -- "--frame-color" || fail "help lists no --frame-color"

# The defaults change nothing: no shadow, no frame.
expect_status 0 shadow result.bmp -o same.bmp
[[ "$(compare -metric AE result.bmp same.bmp null: 2>&1)" == 0 ]] || fail "the defaults changed pixels"

# Grey (8), 2 to the lower right: an L two pixels wide beside the square, which stays black.
expect_status 0 shadow result.bmp -o lower.bmp --direction lower-right --color 8
expect_pixel lower.bmp 20 20 "#808080"
expect_pixel lower.bmp 21 14 "#808080"
expect_pixel lower.bmp 14 21 "#808080"
expect_pixel lower.bmp 13 21 "#FFFFFF"
expect_pixel lower.bmp 19 19 "#000000"
expect_pixel lower.bmp 22 22 "#FFFFFF"

# Silver by default, 3 to the upper left, and a red frame of 2 over everything.
expect_status 0 shadow result.bmp -o framed.bmp --direction upper-left --offset 3 --frame 2 \
  --frame-color 9
expect_pixel framed.bmp 9 9 "#C0C0C0"
expect_pixel framed.bmp 0 16 "#FF0000"
expect_pixel framed.bmp 30 1 "#FF0000"
expect_pixel framed.bmp 2 16 "#FFFFFF"

# The other two directions put the band on their own side.
expect_status 0 shadow result.bmp -o upper.bmp --direction upper-right
expect_pixel upper.bmp 21 10 "#C0C0C0"
expect_status 0 shadow result.bmp -o left.bmp --direction lower-left
expect_pixel left.bmp 10 21 "#C0C0C0"

# Bad arguments.
expect_status 2 shadow result.bmp
expect_status 2 shadow result.bmp -o x.bmp --direction left
expect_status 2 shadow result.bmp -o x.bmp --offset 0
expect_status 2 shadow result.bmp -o x.bmp --offset 21
expect_status 2 shadow result.bmp -o x.bmp --color 16
expect_status 2 shadow result.bmp -o x.bmp --frame 6
expect_status 2 shadow result.bmp -o x.bmp --frame-color -1
convert -size 32x16 xc:white -type TrueColor BMP3:wide.bmp
expect_status 2 shadow wide.bmp -o x.bmp
# Files that cannot be read or written.
expect_status 1 shadow missing.bmp -o x.bmp
printf 'BMbroken' > broken.bmp
expect_status 1 shadow broken.bmp -o x.bmp
expect_status 1 shadow result.bmp -o no/such/folder/x.bmp
[[ ! -e x.bmp ]] || fail "a failed run wrote x.bmp"

finish_checks shadow
