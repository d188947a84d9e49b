#!/usr/bin/env bash
# zornatool compose: one pick and take over a picture file, the result's flips and turns, and
# its answers to bad arguments and files. Pictures are made and read back with ImageMagick.
source "$(dirname "$0")/picture_checks.bash"

# A 64 x 64 screen: white with a red square at (8,8)-(23,23) and a blue pixel at (9,8).
convert -size 64x64 xc:white -fill red -draw "rectangle 8,8 23,23" -fill blue \
  -draw "point 9,8" -type TrueColor BMP3:screen.bmp
convert screen.bmp -quality 100 screen.jpg

expect_status 0 compose --help
"$TOOL" compose --help | grep -q -- "--transform" || fail "help lists no --transform"

# Sixteen pixels into sixty-four: the square at (24,24) over the stretched lavender tile.
expect_status 0 compose screen.bmp -o small.bmp --at 8,8 --input 16 --output 64 --background 1
expect_size small.bmp 64x64
expect_pixel small.bmp 0 0 "#E6E6FA"
expect_pixel small.bmp 23 24 "#E6E6FA"
expect_pixel small.bmp 24 24 "#FF0000"
expect_pixel small.bmp 25 24 "#0000FF"
expect_pixel small.bmp 39 39 "#FF0000"
expect_pixel small.bmp 40 40 "#E6E6FA"

# The defaults: I = O = 32, mode 1 over plain white; the pick reaches past the right edge.
expect_status 0 compose screen.bmp -o edge.bmp --at 20,20
expect_size edge.bmp 32x32
expect_pixel edge.bmp 0 0 "#FF0000"
expect_pixel edge.bmp 3 3 "#FF0000"
expect_pixel edge.bmp 4 4 "#FFFFFF"
expect_pixel edge.bmp 31 31 "#FFFFFF"

# White transparent over the blue button tile: the white around the red square shows it.
expect_status 0 compose screen.bmp -o clear.bmp --at 0,0 --input 32 --output 64 --mode 2 --background 7
expect_status 0 compose screen.bmp -o tile.bmp --at 0,0 --input 0 --output 64 --background 7
expect_pixel clear.bmp 16 16 "$(pixel tile.bmp 16 16)"
expect_pixel clear.bmp 47 47 "$(pixel tile.bmp 47 47)"
expect_pixel clear.bmp 30 30 "#FF0000"
[[ "$(pixel tile.bmp 16 16)" != "#FFFFFF" ]] || fail "the button tile is white at (16,16)"

# Smooth enlargement and both shrink modes give the output size; a JPEG source works alike.
expect_status 0 compose screen.jpg -o smooth.bmp --at 8,8 --input 16 --output 64 --smooth
expect_size smooth.bmp 64x64
expect_status 0 compose screen.bmp -o shrink1.bmp --at 0,0 --input 64 --output 16 --shrink-mode 1
expect_status 0 compose screen.bmp -o shrink2.bmp --at 0,0 --input 64 --output 16 --shrink-mode 2
expect_size shrink1.bmp 16x16
expect_pixel shrink2.bmp 4 4 "#FF0000"
expect_status 0 compose screen.bmp -o nothing.bmp --at 0,0 --input 0 --output 32 --background 1
expect_pixel nothing.bmp 16 16 "#E6E6FA"

# Transforms in the order given; two flips and four turns restore the result.
expect_status 0 compose screen.bmp -o plain.bmp --at 8,8
expect_status 0 compose screen.bmp -o flip.bmp --at 8,8 --transform flip-horizontal
expect_pixel flip.bmp 30 0 "#0000FF"
expect_status 0 compose screen.bmp -o left.bmp --at 8,8 --transform turn-left
expect_pixel left.bmp 0 30 "#0000FF"
expect_status 0 compose screen.bmp -o right.bmp --at 8,8 --transform turn-right
expect_pixel right.bmp 31 1 "#0000FF"
expect_status 0 compose screen.bmp -o twice.bmp --at 8,8 --transform flip-vertical,flip-vertical
cmp -s plain.bmp twice.bmp || fail "two vertical flips changed the result"
expect_status 0 compose screen.bmp -o four.bmp --at 8,8 --transform turn-right --transform turn-right,turn-right,turn-right
cmp -s plain.bmp four.bmp || fail "four right turns changed the result"
expect_status 0 compose screen.bmp -o back.bmp --at 8,8 --transform turn-left,turn-right
cmp -s plain.bmp back.bmp || fail "a left turn and a right turn did not restore"
expect_status 0 compose screen.bmp -o flips.bmp --at 8,8 --transform flip-horizontal,flip-vertical
expect_status 0 compose screen.bmp -o half.bmp --at 8,8 --transform turn-left,turn-left
cmp -s flips.bmp half.bmp || fail "both flips differ from a half turn"
expect_pixel half.bmp 30 31 "#0000FF"

# Bad arguments: status 2, one line on stderr.
expect_status 2 compose screen.bmp -o x.bmp
expect_status 2 compose screen.bmp --at 1,1
expect_status 2 compose screen.bmp -o x.bmp --at 1
expect_status 2 compose screen.bmp -o x.bmp --at -1,2
expect_status 2 compose screen.bmp -o x.bmp --at 1,2,3
expect_status 2 compose screen.bmp -o x.bmp --at 99999999999,1
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --input 4
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --input 129
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --output 0
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --mode 8
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --background 19
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --shrink-mode 3
expect_status 2 compose screen.bmp -o x.bmp --at 1,1 --transform spin
[[ ! -e x.bmp ]] || fail "a refused command wrote its output"

# Files: status 1, one line on stderr.
expect_status 1 compose missing.bmp -o x.bmp --at 1,1
grep -q "Cannot open file" err.txt || fail "missing source: $(cat err.txt)"
echo "not a picture" >junk.bmp
expect_status 1 compose junk.bmp -o x.bmp --at 1,1
expect_status 1 compose screen.bmp -o no/such/folder/x.bmp --at 1,1
grep -q "Cannot create file" err.txt || fail "unwritable result: $(cat err.txt)"

finish_checks compose
