"""Fails on any #include that goes up a layer of the program.

The layers, lowest first (a file includes only its own layer and those below):
  framework/core < framework/gdi < framework/window < framework/controls
  < engine, toolkit < app
Within the toolkit: foundation < commandbars < controls, taskpanel, tabs.
The engine never includes the toolkit, nor the toolkit the engine.
Inside toolkit/commandbars (see its README.md for the folders):
  layout/ includes no window code (nothing of framework/window or
  framework/controls, no command-bars file outside layout/); input/ includes no
  painter (nothing in themes/); themes/ include no manager (neither the
  command-bars manager XTPCommandBars.h nor input/); and customize/ is included
  only by itself, app/ and the tests.
The umbrella headers belong to the layer they gather (framework/Core.h to core,
Gdi.h to gdi, Window.h to window, Controls.h and Framework.h to controls), and
tests/support, which the test executables share, to the window layer.

Usage: check_layers.py [ROOT]      checks the tree (default: the repository)
       check_layers.py --self-test plants an upward include in the tree's text
                                   and checks that it is caught
Prints each offending include as FILE:LINE: includes TARGET (LAYER above LAYER)
and exits 1 when there is any.
"""
import os
import re
import sys

# (path prefix, layer name, rank, toolkit rank); the longest matching prefix wins.
LAYERS = [
    ("framework/core/", "framework/core", 0, None),
    ("framework/Core.h", "framework/core", 0, None),
    ("framework/gdi/", "framework/gdi", 1, None),
    ("framework/Gdi.h", "framework/gdi", 1, None),
    ("framework/window/", "framework/window", 2, None),
    ("framework/Window.h", "framework/window", 2, None),
    ("tests/support/", "framework/window", 2, None),
    ("framework/controls/", "framework/controls", 3, None),
    ("framework/Controls.h", "framework/controls", 3, None),
    ("framework/Framework.h", "framework/controls", 3, None),
    ("engine/", "engine", 4, None),
    ("toolkit/foundation/", "toolkit/foundation", 4, 0),
    ("toolkit/commandbars/", "toolkit/commandbars", 4, 1),
    ("toolkit/controls/", "toolkit/controls", 4, 2),
    ("toolkit/taskpanel/", "toolkit/taskpanel", 4, 2),
    ("toolkit/tabs/", "toolkit/tabs", 4, 2),
    ("resources/", "resources", 5, None),
    ("app/", "app", 5, None),
]
CHECKED_FOLDERS = ["framework", "engine", "toolkit", "resources", "app", "tests/support"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def layer_of(path):
    best = None
    for prefix, name, rank, toolkit_rank in LAYERS:
        if path.startswith(prefix) and (best is None or len(prefix) > len(best[0])):
            best = (prefix, name, rank, toolkit_rank)
    return best


def is_upward(source, target):
    """Why the include of target by source goes against the layers, or None."""
    _, source_name, source_rank, source_toolkit = source
    _, target_name, target_rank, target_toolkit = target
    if target_rank > source_rank:
        return f"{target_name} above {source_name}"
    if {source_name.split("/")[0], target_name.split("/")[0]} == {"engine", "toolkit"}:
        return f"{target_name} beside {source_name}"
    if source_toolkit is not None and target_toolkit is not None and target_toolkit > source_toolkit:
        return f"{target_name} above {source_name}"
    return None


CB = "toolkit/commandbars/"
# (rule name, does the source fall under it, is the target forbidden to it)
FOLDER_RULES = [
    ("layout/ includes no window code",
     lambda source: source.startswith(CB + "layout/"),
     lambda target: target.startswith(("framework/window/", "framework/controls/", "framework/Window.h",
                                       "framework/Controls.h", "framework/Framework.h"))
     or (target.startswith(CB) and not target.startswith(CB + "layout/"))),
    ("input/ includes no painter",
     lambda source: source.startswith(CB + "input/"),
     lambda target: target.startswith(CB + "themes/")),
    ("themes/ include no manager",
     lambda source: source.startswith(CB + "themes/"),
     lambda target: target == CB + "XTPCommandBars.h" or target.startswith(CB + "input/")),
    ("only app/ and the tests include customize/",
     lambda source: not source.startswith((CB + "customize/", "app/", "tests/")),
     lambda target: target.startswith(CB + "customize/")),
]


def folder_rule_broken(source, target):
    """The name of the rule inside a folder that the include breaks, or None."""
    for name, applies, forbidden in FOLDER_RULES:
        if applies(source) and forbidden(target):
            return name
    return None


def read_tree(root):
    """The text of every source file of the checked folders, by path from the root."""
    texts = {}
    for folder in CHECKED_FOLDERS:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                if name.endswith((".h", ".cpp", ".c", ".rc")):
                    path = os.path.join(directory, name)
                    relative = os.path.relpath(path, root).replace(os.sep, "/")
                    with open(path, encoding="latin-1") as handle:
                        texts[relative] = handle.read()
    return texts


def resolve(root, source, included, texts):
    """The include's path from the root: next to the source first, then from the root."""
    beside = os.path.normpath(os.path.join(os.path.dirname(source), included)).replace(os.sep, "/")
    if beside in texts or os.path.exists(os.path.join(root, beside)):
        return beside
    return os.path.normpath(included).replace(os.sep, "/")


def violations(root, texts):
    found = []
    for source in sorted(texts):
        source_layer = layer_of(source)
        if source_layer is None:
            continue
        for number, line in enumerate(texts[source].splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = resolve(root, source, match.group(1), texts)
            target_layer = layer_of(target)
            if target_layer is None:
                continue
            why = is_upward(source_layer, target_layer) or folder_rule_broken(source, target)
            if why:
                found.append(f"{source}:{number}: includes {target} ({why})")
    return found


def self_test(root):
    """The tree passes; the tree with one upward include planted fails on exactly it."""
    texts = read_tree(root)
    clean = violations(root, texts)
    if clean:
        print("self-test: the tree itself has upward includes", file=sys.stderr)
        return 1
    planted = dict(texts)
    planted["framework/gdi/CDC.h"] += '\n#include "framework/window/CWnd.h"\n'
    planted["engine/Keyword.h"] += '\n#include "toolkit/foundation/XTPColorManager.h"\n'
    planted["toolkit/foundation/XTPDrawHelpers.h"] += '\n#include "toolkit/commandbars/Planted.h"\n'
    # One planted include per rule inside the command bars, each caught alone.
    planted[CB + "layout/XTPPopupLayout.h"] += '\n#include "framework/Window.h"\n'
    planted[CB + "layout/XTPDockRowLayout.h"] += '\n#include "toolkit/commandbars/XTPCommandBarsDefines.h"\n'
    planted[CB + "input/XTPMouseManager.h"] += '\n#include "toolkit/commandbars/themes/XTPPaintManager.h"\n'
    planted[CB + "themes/XTPPaintManager.h"] += '\n#include "toolkit/commandbars/XTPCommandBars.h"\n'
    planted[CB + "themes/XTPOfficeXPTheme.h"] += '\n#include "toolkit/commandbars/input/XTPHookManager.h"\n'
    planted[CB + "bars/XTPToolBar.h"] += '\n#include "toolkit/commandbars/customize/Planted.h"\n'
    planted["toolkit/controls/XTButton.h"] += '\n#include "toolkit/commandbars/customize/Planted.h"\n'
    caught = violations(root, planted)
    expected = ["engine/Keyword.h", "framework/gdi/CDC.h", CB + "bars/XTPToolBar.h",
                CB + "input/XTPMouseManager.h", CB + "layout/XTPDockRowLayout.h",
                CB + "layout/XTPPopupLayout.h", CB + "themes/XTPOfficeXPTheme.h",
                CB + "themes/XTPPaintManager.h", "toolkit/controls/XTButton.h",
                "toolkit/foundation/XTPDrawHelpers.h"]
    if [entry.split(":")[0] for entry in caught] != expected:
        print("self-test: planted includes not caught as expected:", caught, file=sys.stderr)
        return 1
    # An include customize/ may make of its own folder, and app/'s include of it, pass.
    allowed = dict(texts)
    allowed["app/MainFrame.h"] += '\n#include "toolkit/commandbars/customize/Planted.h"\n'
    if violations(root, allowed):
        print("self-test: app/ may include customize/", file=sys.stderr)
        return 1
    print("layering self-test: the tree passes, %d planted includes are caught" % len(expected))
    return 0


def main(arguments):
    repository = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if arguments[:1] == ["--self-test"]:
        return self_test(repository)
    root = arguments[0] if arguments else repository
    found = violations(root, read_tree(root))
    for entry in found:
        print(entry, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
