"""The line protocol of the desktops' input helpers, read from the standard input: as
rfb_pointer.py's, plus keys.
  move X Y | click X Y | key NAME[+NAME...] (Escape, Right, Control_L+c) | stop
"ok" on the standard output after each line, or "error ..." (the caller sees it and stops)."""
import sys


def serve(motion, button, key, code_of, settle):
    """motion(x, y), button(pressed) and key(code, pressed) send to the desktop; code_of(name)
    gives a key's code; settle(seconds) lets the desktop take what was sent."""
    for line in sys.stdin:
        parts = line.rstrip("\n").split(" ", 1)
        action = parts[0]
        try:
            if action in ("move", "click"):
                x, y = (float(v) for v in parts[1].split())
                motion(x, y)
                if action == "click":
                    settle(0.05); button(True); settle(0.05); button(False)
            elif action == "key":  # pressed in order, let go in reverse
                codes = [code_of(name) for name in parts[1].split("+")]
                for code in codes:
                    key(code, True); settle(0.02)
                for code in reversed(codes):
                    key(code, False); settle(0.02)
            elif action == "stop":
                break
            else:
                raise ValueError("unknown action " + action)
            settle(0.1)
            print("ok", flush=True)
        except Exception as e:  # keep going; the caller sees the error
            print("error %s" % e, flush=True)
