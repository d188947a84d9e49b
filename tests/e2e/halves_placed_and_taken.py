# Checks a screenshot after a 32 x 32 picture with a red left half and a blue right half was
# placed and taken: the placement slot shows it at (362, 52) with blank around it, and the
# container (left part of the screen) shows it twice more, in the preview and the result.
import sys

from PIL import Image

shot = Image.open(sys.argv[1]).convert("RGB")
px = shot.load()
red, blue = (255, 0, 0), (0, 0, 255)


def halves(x, y):
    return all(px[x + i, y + j] == red and px[x + 16 + i, y + j] == blue
               for i in range(0, 16, 3) for j in range(0, 32, 3))


assert halves(362, 52), f"the slot shows {px[362, 52]} at (362, 52)"
assert px[361, 52] == (255, 255, 255), "the slot around the picture is not blank"
found = [(x, y) for y in range(1, 400) for x in range(1, 300)
         if px[x, y] == red and px[x - 1, y] != red and px[x, y - 1] != red and halves(x, y)]
assert len(found) >= 2, f"preview and result not found: {found[:4]}"
print("placed at (362, 52) and taken into", found[:2])
