"""Tarravelle as a person uses it: the built program on a virtual display, found through the
accessibility bus (dogtail), and driven with real mouse clicks and key presses (xdotool)."""
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest
import urllib.parse

from dogtail.config import config

config.checkForA11y = False  # the session's accessibility bus is up; no desktop setting says so
config.logDebugToFile = False
from dogtail import tree  # noqa: E402  (after the configuration above)

# Later AT-SPI (Debian 13) names some roles otherwise; the tests use the older names.
_NEWER_ROLES = {"button": "push button"}
_role_name = tree.Node.roleName.fget
tree.Node.roleName = property(lambda node: _NEWER_ROLES.get(_role_name(node), _role_name(node)))

# The pages of the tests' own web server on the loopback address.
PAGES = {
    "/": "<title>Home</title><p>apple banana apple cherry apple</p>"
         "<a href='/next' style='display:block;font-size:60px'>Next page</a>",
    "/next": "<title>Next</title><p>The next page</p>",
    "/form": "<title>Form</title><form action='/sent'>"
             "<input name='q' autofocus style='font-size:40px'></form>",
    "/undo": "<title>v:</title><input autofocus style='font-size:40px' "
             "oninput=\"document.title='v:'+this.value\">",
    "/popup": "<title>Pop</title><a href='/next' target='_blank' "
              "style='display:block;font-size:60px'>A new window</a>",
    "/slow": "<title>Slow</title><p>At last</p>",
    # A form whose field's text is its title.
    "/typed": "<title>v:</title><form action='/sent'><input name='q' autofocus "
              "style='font-size:40px' oninput=\"document.title='v:'+this.value\"></form>",
    "/article": "<title>Article</title><h1>A heading to read</h1>"
                "<p><a href='/next'>A link to follow</a></p>",
    # A text whose height is the page's title.
    "/size": "<title>h:</title><span id='s' style='font-size:20px'>Text</span><script>"
             "setInterval(() => document.title = 'h:' + s.offsetHeight, 100)</script>",
}
# Pages the server answers only after this many seconds.
SLOW = {"/slow": 20}


class Pages(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/sent":
            query = urllib.parse.parse_qs(url.query).get("q", [""])[0]
            body = "<title>Sent %s</title>" % query
        else:
            body = PAGES.get(url.path)
        if url.path == "/download":
            # A file that takes its time: half of it at once, the rest much later.
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Disposition", "attachment; filename=slow.bin")
            self.send_header("Content-Length", "200000")
            self.end_headers()
            self.wfile.write(bytes(100000))
            self.wfile.flush()
            time.sleep(60)
            return
        if url.path in SLOW:
            time.sleep(SLOW[url.path])
        if body is None:
            self.send_error(404)
            return
        data = body.encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *args):
        pass


def wait_for(condition, seconds=10, what="the condition"):
    """Polls `condition` until it gives something true, and gives that."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except Exception:  # a node that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for %s" % what)
        time.sleep(0.1)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


class Person(unittest.TestCase):
    """Starts the program with a home page of the tests' server, in a home of its own, and
    offers what a person does: click, type, press keys, choose menu items."""

    @classmethod
    def setUpClass(cls):
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Pages)
        cls.server.daemon_threads = True  # a slow page's answer does not hold the end
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.base = "http://127.0.0.1:%d" % cls.server.server_address[1]

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()
        cls.server.server_close()

    def setUp(self):
        self.home = tempfile.mkdtemp(prefix="tarravelle-e2e-")
        self.addCleanup(shutil.rmtree, self.home, True)
        # A copy of the program in a folder of its own: its favourites file goes there.
        folder = os.path.join(self.home, "program")
        os.makedirs(folder)
        program = shutil.copy(os.environ["TARRAVELLE_PROGRAM"], folder)
        os.makedirs(os.path.join(self.home, "config", "tarravelle"))
        with open(os.path.join(self.home, "config", "tarravelle", "settings.ini"), "w") as f:
            f.write("[%s\\HP]\nHP=%s/\n" % (folder, self.base))
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                   XDG_DATA_HOME=os.path.join(self.home, "data"),
                   XDG_CACHE_HOME=os.path.join(self.home, "cache"))
        self.folder = folder
        self.env = env
        self.prepare(env)
        self.program = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.addCleanup(self.program.wait, 10)
        self.addCleanup(self.program.kill)
        self.app = wait_for(lambda: tree.root.application("tarravelle"), 20, "the program")
        if self.starts_on_home:
            self.window = wait_for(lambda: self.frame("Home"), 30, "the home page")

    # A group that needs more than a home page sets its files up here; `env` is the program's.
    starts_on_home = True

    def prepare(self, env):
        pass

    def gtk(self):
        """The program's GTK version, as numbers: (4, 18, 6)."""
        return tuple(int(part) for part in self.app.get_toolkit_version().split("."))

    # What the person sees.
    def frame(self, title):
        """The shown main window whose caption begins with the page's title."""
        for child in self.app.children:
            if child.roleName == "frame" and child.name.startswith(title) and child.showing:
                return child
        return None

    def page_view(self, name="Page"):
        """The page view (or the side pane's, "Folder"), whose role GTK names in its own way."""
        return wait_for(lambda: self.window.findChild(
            lambda n: n.name == name and n.roleName in ("panel", "grouping", "filler"),
            retry=False, requireResult=False), 5, "the %s view" % name)

    @staticmethod
    def hidden(node):
        """Whether a control is hidden: it keeps its node, and its states say it shows, but GTK
        gives it no size (4.8) or a point's (4.18)."""
        return max(node.size) <= 2

    def dialog(self, name, seconds=10):
        """A window of the program, other than a main window, once it is shown."""
        return wait_for(lambda: [c for c in self.app.children if c.name == name], seconds,
                        "the %r window" % name)[0]

    def gone(self, name):
        wait_for(lambda: not [c for c in self.app.children if c.name == name], 5,
                 "the %r window closed" % name)

    def node(self, role, name, within=None):
        return wait_for(lambda: (within or self.window).findChild(
            lambda n: n.roleName == role and n.name == name, retry=False, requireResult=False),
            5, "%s %r" % (role, name))

    @staticmethod
    def text(node):
        text = node.queryText()
        return text.getText(0, text.characterCount)

    def address(self):
        return self.text(self.node("text", "Address"))

    def wait_label(self, starts, seconds=10, within=None):
        """A label of the program (the status line, a counter) once its text begins so."""
        return wait_for(lambda: (within or self.app).findChild(
            lambda n: n.roleName == "label" and n.name.startswith(starts), retry=False,
            requireResult=False), seconds, "a label %r" % starts)

    def wait_title(self, title):
        self.window = wait_for(lambda: self.frame(title), 15, "the page titled %r" % title)

    @staticmethod
    def command(pid):
        try:
            with open("/proc/%d/comm" % pid) as f:
                return f.read().strip()
        except OSError:
            return ""

    @staticmethod
    def descendants(pid):
        """Every process started by `pid`, and by those in turn."""
        parents = {}
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                try:
                    with open("/proc/%s/stat" % entry) as f:
                        parents[int(entry)] = int(f.read().rsplit(")", 1)[1].split()[1])
                except (OSError, IndexError, ValueError):
                    pass
        found, todo = [], [pid]
        while todo:
            parent = todo.pop()
            children = [p for p, pp in parents.items() if pp == parent]
            found += children
            todo += children
        return found

    # What the person does.
    def load(self, path):
        """Types the address of one of the server's pages into the address bar, with Enter."""
        self.click(self.node("text", "Address"))
        self.keys("ctrl+a")
        self.type(self.base + path)
        self.keys("Return")
        self.wait_title(PAGES[path].split("<title>")[1].split("</title>")[0])

    # Where things are. The accessibility tree gives places within a window; the window manager
    # decides where the window is. A menu's items give their height within the menu's own pop-up
    # surface, whose place the X server tells.
    def windows(self, popups=False):
        """The program's shown X windows, as (x, y, width, height) on the screen; with `popups`,
        only those the window manager does not frame (pop-ups), topmost first."""
        if not popups:
            return self.windows_by_id(subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(self.program.pid)],
                capture_output=True, text=True).stdout.split())
        # Pop-ups are shown children of the root that the window manager leaves alone (the
        # program is the only one on its display); the root lists its children topmost first.
        stacked = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True,
                                 text=True).stdout
        children = [line.split()[0] for line in stacked.splitlines()
                    if line.strip().startswith("0x")]
        found = []
        for child in children:
            info = subprocess.run(["xwininfo", "-id", child], capture_output=True,
                                  text=True).stdout
            if "Override Redirect State: yes" in info and "IsViewable" in info:
                found.append(child)
        return [w for w in self.windows_by_id(found) if w[2] > 1 and w[3] > 1]

    @staticmethod
    def windows_by_id(found):
        places = []
        for window in found:
            info = subprocess.run(["xwininfo", "-id", window], capture_output=True,
                                  text=True).stdout
            value = {line.split(":")[0].strip(): line.split(":")[1].strip()
                     for line in info.splitlines() if ":" in line}
            places.append(tuple(int(value[k]) for k in ("Absolute upper-left X",
                                                        "Absolute upper-left Y", "Width",
                                                        "Height")))
        return places

    def close_box(self, window):
        """The middle of the close box the window manager draws at the right of a window's
        title bar."""
        width, height = window.size
        client = next(w for w in subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.program.pid)],
            capture_output=True, text=True).stdout.split() if self.windows_by_id([w]) and
            self.windows_by_id([w])[0][2:] == (width, height))
        extents = subprocess.run(["xprop", "-id", client, "_NET_FRAME_EXTENTS"],
                                 capture_output=True, text=True).stdout
        title_bar = int(extents.split("=")[1].split(",")[2])
        left, top, _, _ = self.windows_by_id([client])[0]
        return left + width - title_bar // 2, top - title_bar // 2

    @staticmethod
    def toplevel(node):
        while node.parent is not None and node.parent.roleName != "application":
            node = node.parent
        return node

    def screen_place(self, node):
        """The middle of a node on the screen."""
        x, y = node.position
        width, height = node.size
        if self.menu_of(node) is not None:
            # An open menu is the topmost pop-up tall enough to hold the item; its items span
            # its width. GTK 4.14 and later give the menu a place of its own, from which its
            # items' heights count; GTK 4.8 gives their heights within the menu, a submenu's
            # from its parent item's top.
            menu = self.menu_node(node)
            if menu is not None:
                y -= menu.position[1]
            else:
                parent = self.ancestor(node, lambda n: n.roleName == "menu item")
                if parent.parent.roleName != "menu bar":
                    y -= parent.position[1]
            left, upper, surface_width, _ = [w for w in self.windows(popups=True)
                                             if w[3] >= y + height][0]
            return left + surface_width // 2, upper + y + height // 2
        popover = self.popover_of(node)
        if popover is not None:
            # A pop-over's surface is the shown pop-up of its size. GTK 4.8 gives the pop-over
            # the place of what it points at; later GTK gives it its surface's place, but leaves
            # the padding around its contents out of the places of what it holds.
            (left, upper, _, _), = [w for w in self.windows(popups=True)
                                    if w[2:] == tuple(popover.size)][:1]
            if "GtkPopover" not in popover.name:
                x, y = map(sum, zip((x, y), self.unplaced_padding(node, popover)))
            return (left + x - popover.position[0] + width // 2,
                    upper + y - popover.position[1] + height // 2)
        # Places are within the window; GTK 4.14 and later add a place of their own for the
        # window, which its frame's node gives.
        window = self.toplevel(node)
        x, y = x - window.position[0], y - window.position[1]
        for left, upper, w, h in self.windows():
            if (w, h) == tuple(window.size):
                return left + x + width // 2, upper + y + height // 2
        raise AssertionError("no window on the screen for %r" % node.name)

    @staticmethod
    def ancestor(node, matches):
        """The nearest node above `node` that `matches`; None when there is none."""
        parent = node.parent
        while parent is not None and not matches(parent):
            parent = parent.parent
        return parent

    def menu_node(self, node):
        """The open menu that holds a menu item, where it has a place of its own."""
        menu = self.ancestor(node, lambda n: n.roleName in ("menu", "menu bar"))
        if menu is None or menu.roleName != "menu":
            return None
        try:
            menu.position
            return menu
        except NotImplementedError:  # GTK 4.8: no place of its own
            return None

    def popover_of(self, node):
        """The pop-over (a drop-down list) that holds `node`; None outside one. GTK 4.8 names
        it; later GTK does not, and it is the node as large as a shown pop-up surface."""
        sizes = [w[2:] for w in self.windows(popups=True)]
        return self.ancestor(node, lambda n: (
            "GtkPopover" in n.name and "Content" not in n.name and "MenuBar" not in n.name) or (
            n.roleName == "panel" and not n.name and tuple(n.size) in sizes))

    @staticmethod
    def unplaced_padding(node, top):
        """What GTK 4.14 and later leave out of the place of a node below `top`: a box's
        padding. A child that begins where its box does, smaller both ways, lies in its
        middle."""
        shift = [0, 0]
        while node != top:
            parent = node.parent
            if tuple(parent.position) == tuple(node.position) and all(
                    inner < outer for inner, outer in zip(node.size, parent.size)):
                shift = [s + (outer - inner) // 2
                         for s, outer, inner in zip(shift, parent.size, node.size)]
            node = parent
        return shift

    def menu_of(self, node):
        """The title on the menu bar whose menu holds `node`; None outside the menus."""
        return self.ancestor(node, lambda n: n.roleName == "menu item" and n.parent is not None
                             and n.parent.roleName == "menu bar")

    def click_page(self, x, y, page=None):
        """A click at a place of the page (or of another page view), from its top left
        corner."""
        page = page or self.page_view()
        middle_x, middle_y = self.screen_place(page)
        width, height = page.size
        xdotool("mousemove", str(middle_x - width // 2 + x), str(middle_y - height // 2 + y),
                "click", "1")
        time.sleep(0.3)

    def click(self, node):
        xdotool("mousemove", *map(str, self.screen_place(node)), "click", "1")
        time.sleep(0.3)

    def keys(self, *keys):
        xdotool("key", "--delay", "60", *keys)
        time.sleep(0.3)

    def type(self, text):
        xdotool("type", "--delay", "30", text)
        time.sleep(0.3)

    def choose(self, menu, *path):
        """Opens a menu of the menu bar and chooses an item with the mouse, as a person does;
        more than one name goes through submenus ("View", "Go To", "HomePage")."""
        title = self.node("menu item", menu)
        for step, name in enumerate(path):
            before = len(self.windows(popups=True))
            self.click(title if step == 0 else chosen)
            # Shown once its pop-up is on the screen.
            wait_for(lambda: len(self.windows(popups=True)) > before, 5, "the menu of %s" % name)
            chosen = wait_for(lambda: [n for n in title.findChildren(
                lambda n: n.roleName == "menu item" and n.name == name) if n.sensitive], 5,
                "%r in the %s menu" % (name, menu))[0]
        self.click(chosen)

    def choose_with_keys(self, menu, item):
        """Opens a menu with a click on its title and walks to the item with the keys. An opened
        menu has the focus on its first item; greyed items take none."""
        title = self.node("menu item", menu)
        self.click(title)
        items = wait_for(lambda: [n for n in title.findChildren(
            lambda n: n.roleName == "menu item") if n.sensitive], 5, "the %s menu" % menu)
        names = [n.name for n in items]
        self.assertIn(item, names)
        self.keys(*(["Down"] * names.index(item)), "Return")
