"""The paths a person takes every day, each from a fresh start of the program."""
import os
import signal
import socket
import subprocess
import time

from person import Person, wait_for, xdotool


class EditMenu(Person):
    def selection(self, node):
        text = node.queryText()
        return [text.getSelection(i) for i in range(text.getNSelections())]

    def test_on_the_address_bar(self):
        bar = self.node("text", "Address")
        self.click(bar)
        self.choose("Edit", "Select All")
        self.assertEqual(self.selection(bar), [(0, len(self.base + "/"))])
        self.choose("Edit", "Select None")
        self.assertEqual(self.selection(bar), [])
        # The page's text, copied from the page, pasted over the address bar's.
        self.click(self.page_view())
        self.choose("Edit", "Select All")
        self.choose("Edit", "Copy")
        self.click(bar)
        self.choose("Edit", "Select All")
        self.choose("Edit", "Paste")
        wait_for(lambda: self.address().startswith("apple banana"), 5, "the pasted text")

    def test_on_the_page(self):
        self.load("/undo")
        self.click_page(60, 30)  # the page's text field
        self.type("xyz")
        self.wait_title("v:xyz")
        for item, title in [("Select All", "v:xyz"), ("Cut", "v:"), ("Paste", "v:xyz"),
                            ("Undo", "v:")]:
            with self.subTest(item):
                self.choose("Edit", item)
                self.wait_title(title)


    def test_after_a_menu_typing_and_enter_go_on_in_the_field(self):
        self.load("/typed")
        self.click_page(60, 30)
        self.type("hello")
        self.wait_title("v:hello")
        self.choose("Edit", "Select All")
        self.choose_with_keys("Edit", "Cut")  # the menus work from the keys too
        self.wait_title("v: -")  # the field empty: the caption is "v: - Tarravelle..."
        self.choose("Edit", "Paste")
        self.wait_title("v:hello")
        # A menu opened with its key and left with Escape gives the focus back as well.
        self.keys("alt+e")
        wait_for(lambda: self.windows(popups=True), 5, "the Edit menu")
        self.keys("Escape", "Escape")
        wait_for(lambda: not self.windows(popups=True), 5, "the menu closed")
        self.type("!")
        self.wait_title("v:hello!")
        self.keys("Return")
        self.wait_title("Sent hello!")


class Enter(Person):
    def test_in_the_address_bar_the_search_box_and_a_form(self):
        self.load("/next")
        self.assertEqual(self.address(), self.base + "/next")

        self.click(self.node("text", "Search"))
        self.type("two words")
        self.keys("Return")
        wait_for(lambda: self.address().startswith(
            "https://www.google.com/search?q=two%20words"), 15, "the search")
        self.click(self.node("text", "Search"))
        self.keys("ctrl+a")
        self.type("button")
        self.click(self.node("push button", "Google Search"))
        wait_for(lambda: self.address().startswith("https://www.google.com/search?q=button"), 15,
                 "the search from the button")

        self.load("/form")
        self.click_page(60, 30)
        self.type("hello")
        self.keys("Return")
        self.wait_title("Sent hello")

    def test_a_phrase_that_is_no_address_stays_typed_and_offers_a_search(self):
        self.click(self.node("text", "Address"))
        self.keys("ctrl+a")
        self.type("two words")
        self.keys("Return")
        self.wait_title("Not an address")
        self.assertEqual(self.address(), "two words")


class Keyboard(Person):
    def test_tab_moves_through_the_controls_in_their_order(self):
        self.click(self.node("text", "Search"))
        for name in ["Google Search", "Play", "Stop"]:
            with self.subTest(name):
                self.keys("Tab")
                wait_for(lambda: [n for n in self.window.findChildren(
                    lambda n: n.roleName == "push button" and n.focused)], 5, "a focused button")
                focused = [n.name for n in self.window.findChildren(
                    lambda n: n.roleName == "push button" and n.focused)]
                self.assertEqual(focused, [name])


class BackAndForward(Person):
    def test_follow_the_page_history(self):
        back, forward = self.node("push button", "Back"), self.node("push button", "Forward")
        self.assertEqual((back.sensitive, forward.sensitive), (False, False))
        self.click_page(100, 90)  # the link to the next page
        self.wait_title("Next")
        wait_for(lambda: back.sensitive, 5, "Back")
        self.assertFalse(forward.sensitive)
        self.click(back)
        self.wait_title("Home")
        wait_for(lambda: forward.sensitive and not back.sensitive, 5, "Forward alone")
        self.keys("alt+Right")
        self.wait_title("Next")
        wait_for(lambda: back.sensitive and not forward.sensitive, 5, "Back alone")


class FindBar(Person):
    def test_counts_and_moves_among_the_matches(self):
        self.click_page(400, 300)
        self.choose("Edit", "Find (on this page)")
        self.type("apple")
        for keys, position in [((), "1 of 3"), (("Return",), "2 of 3"),
                               (("shift+Return",), "1 of 3"),
                               # The field's own keys: Ctrl+A selects its text to type over.
                               (("ctrl+a",), "1 of 3")]:
            with self.subTest(position=position, keys=keys):
                if keys:
                    self.keys(*keys)
                self.node("label", position, within=self.app)
        self.type("cherry")
        self.node("label", "1 of 1", within=self.app)
        # Ctrl+F from the page comes back to the bar, its text selected to type over.
        self.click_page(400, 300)
        self.keys("ctrl+f")
        self.type("apple")
        self.node("label", "1 of 3", within=self.app)


class Windows(Person):
    def show_favourites(self):
        self.choose("Favorites", "Show Favorites")
        return wait_for(lambda: [c for c in self.app.children
                                 if c.name == "Favorites"], 10, "the dialog")[0]

    def test_new_window(self):
        self.keys("ctrl+n")
        wait_for(lambda: len([c for c in self.app.children if c.roleName == "frame" and
                              c.name.startswith("Home")]) == 2, 15, "a second window")

    def test_favourites_dialog_adds_goes_and_closes(self):
        self.choose("Favorites", "Add to Favorites")
        self.load("/next")
        dialog = self.show_favourites()
        self.click(self.node("label", self.base + "/", within=dialog))
        self.click(self.node("push button", "Go to Url", within=dialog))
        self.wait_title("Home")
        dialog = self.show_favourites()
        self.click(self.node("push button", "Close", within=dialog))  # named once, as it reads
        saved = os.path.join(self.folder, "fav.Dat")
        wait_for(lambda: os.path.exists(saved), 5, "fav.Dat")
        with open(saved, "rb") as f:
            self.assertEqual(f.read(), (self.base + "/\r\n").encode())

    def test_favourites_dialog_is_a_dialog_in_the_middle_of_the_screen(self):
        dialog = self.show_favourites()
        self.assertEqual(dialog.roleName, "dialog")
        width, height = dialog.size
        left, top = wait_for(lambda: [w[:2] for w in self.windows() if w[2:] == (width, height)],
                             5, "the dialog on the screen")[0]
        screen_width, screen_height = 1280, 1024
        self.assertLessEqual(abs(left + width // 2 - screen_width // 2), 2)
        self.assertLessEqual(abs(top + height // 2 - screen_height // 2), 2)

    def test_a_message_box_shows_its_icon_and_reads_its_button_once(self):
        self.choose("File", "Work Offline")
        self.click(self.node("text", "Address"))
        self.type("x")
        box = wait_for(lambda: [c for c in self.app.children if c.name == "WorkOffline"], 10,
                       "the WorkOffline box")[0]
        self.assertEqual([n.name for n in box.findChildren(
            lambda n: n.roleName == "push button")], ["OK"])
        self.assertTrue(box.findChildren(lambda n: n.roleName in ("image", "icon")))
        self.click(self.node("push button", "OK", within=box))

    def test_favourites_added_survive_the_end_of_the_session(self):
        self.choose("Favorites", "Add to Favorites")
        self.program.send_signal(signal.SIGTERM)  # logout, shutdown
        self.assertEqual(self.program.wait(10), 0)
        with open(os.path.join(self.folder, "fav.Dat"), "rb") as f:
            self.assertEqual(f.read(), (self.base + "/\r\n").encode())


class AddressBar(Person):
    def test_go_the_typed_list_stop_refresh_home_and_go_to(self):
        bar = self.node("text", "Address")
        self.click(bar)
        self.keys("ctrl+a")
        self.type(self.base + "/next")
        self.click(self.node("push button", "Go!"))
        self.wait_title("Next")
        # The drop-down lists what was typed; choosing puts it in the field.
        self.click(bar)
        self.keys("ctrl+a")
        self.type("typed.example")
        self.click(self.node("push button", "Typed addresses"))
        self.click(wait_for(lambda: self.app.findChild(
            lambda n: n.name == self.base + "/next" and n.roleName == "label",
            retry=False, requireResult=False), 5, "the typed address"))
        wait_for(lambda: self.address() == self.base + "/next", 5, "the chosen address")
        # Stop on a slow page: the page that was there stays, and nothing loads.
        self.click(bar)
        self.keys("ctrl+a")
        self.type(self.base + "/slow")
        self.keys("Return")
        self.wait_label("Opening page")
        self.click(self.node("push button", "Stop"))
        self.wait_label("Done")
        self.assertTrue(self.frame("Next"))
        self.click(self.node("push button", "Refresh"))
        self.wait_title("Next")
        self.click(self.node("push button", "Home"))
        wait_for(lambda: self.frame("Tarravelle") or self.frame("Welcome"), 15, "the start page")
        self.choose("View", "Go To", "Back")
        self.wait_title("Next")
        self.choose("View", "Go To", "Forward")
        wait_for(lambda: not self.frame("Next"), 15, "the start page again")
        self.choose("View", "Go To", "HomePage")
        wait_for(lambda: not self.frame("Next"), 15, "the start page")


class StatusLine(Person):
    def test_tells_the_load_a_failure_and_a_hovered_link(self):
        # A link under the mouse shows where it goes.
        left, top = self.screen_place(self.page_view())
        width, height = self.page_view().size
        xdotool("mousemove", str(left - width // 2 + 100), str(top - height // 2 + 90))
        self.wait_label(self.base + "/next")
        xdotool("mousemove", str(left), str(top + height // 2 - 20))
        # A server that is not there: the reason stays on the status line.
        closed = socket.socket()
        closed.bind(("127.0.0.1", 0))
        port = closed.getsockname()[1]
        closed.close()
        self.click(self.node("text", "Address"))
        self.keys("ctrl+a")
        self.type("http://127.0.0.1:%d/" % port)
        self.keys("Return")
        self.wait_label("Cannot open")


class Crash(Person):
    def test_refresh_right_after_the_page_crashed_loads_it_again(self):
        self.load("/next")
        pages = [p for p in self.descendants(self.program.pid) if self.command(p).startswith(
            "WebKitWebProces")]
        self.assertTrue(pages)
        for page in pages:
            os.kill(page, signal.SIGKILL)
        self.wait_label("The page stopped")
        self.keys("F5")
        self.wait_title("Next")


class Popups(Person):
    def test_a_blocked_popup_is_said_and_an_allowed_one_opens(self):
        self.load("/popup")
        self.click_page(100, 40)
        self.wait_label("Pop-up blocked: " + self.base + "/next")
        self.click(self.node("push button", "Pop-ups Disabled"))
        self.node("push button", "Pop-ups Enabled")
        self.click_page(100, 40)
        wait_for(lambda: [c for c in self.app.children if c.name.startswith("Next")], 15,
                 "the pop-up's window")


class Bars(Person):
    def test_each_switch_hides_and_shows_its_group(self):
        for item, control in [("Sonavelle", ("push button", "Play")),
                              ("Standard Buttons", ("push button", "Back")),
                              ("Address Bar", ("push button", "Go!")),
                              ("GoogleBar", ("push button", "Google Search"))]:
            with self.subTest(item):
                node = self.node(*control)
                self.choose("View", item)
                wait_for(lambda: self.hidden(node), 5, "%s hidden" % item)
                self.choose("View", item)
                wait_for(lambda: not self.hidden(node), 5, "%s shown" % item)
        # The address bar kept its text.
        self.assertEqual(self.address(), self.base + "/")


    def pixel(self, x, y):
        """The colour on the screen at a place of the main window, as (red, green, blue)."""
        left, top = [w[:2] for w in self.windows() if w[2:] == tuple(self.window.size)][0]
        shown = subprocess.run(["import", "-window", "root", "-crop", "1x1+%d+%d" % (
            left + x, top + y), "-depth", "8", "txt:-"], capture_output=True, text=True).stdout
        return tuple(int(v) for v in shown.splitlines()[1].split("(")[1].split(")")[0].split(
            ",")[:3])

    def test_a_chosen_colour_repaints_the_window(self):
        margin = (10, 60)  # the window's own background, left of the Back button
        self.assertEqual(self.pixel(*margin), (0, 0, 0))
        self.click(self.node("text", "Address"))
        self.keys("End")
        self.choose("Tools", "Change Tarravelle Color")
        chooser = self.dialog("Color")
        self.assertEqual([n.name for n in chooser.findChildren(
            lambda n: n.roleName == "push button" and n.name in ("Cancel", "Select"))],
            ["Cancel", "Select"])  # each read once
        self.click(self.node("radio button", "Red", within=chooser))
        self.click(self.node("push button", "Select", within=chooser))
        self.gone("Color")
        red, green, blue = wait_for(lambda: self.pixel(*margin) != (0, 0, 0) and
                                    self.pixel(*margin), 5, "the new colour")
        self.assertGreater(red, 2 * max(green, blue))
        self.type("x")
        wait_for(lambda: self.address() == self.base + "/x", 5, "the typing")


class About(Person):
    def test_about_and_the_testers_list(self):
        self.choose("Help", "About Tarravelle")
        about = wait_for(lambda: [c for c in self.app.children if c.name.startswith("About")],
                         10, "the about dialog")[0]
        self.click(self.node("push button", "Click Here To View Testers.", within=about))
        testers = wait_for(lambda: [c for c in self.app.children if c.name == "Testers 2004"],
                           10, "the testers list")[0]
        self.click(self.node("push button", "Ok", within=testers))
        wait_for(lambda: not [c for c in self.app.children if c.name == "Testers 2004"], 5,
                 "the testers list closed")
        self.click(self.node("push button", "Ok", within=about))
        wait_for(lambda: not [c for c in self.app.children if c.name.startswith("About")], 5,
                 "the about dialog closed")
        # The window is usable again, where the person left it.
        self.click(self.node("text", "Address"))
        self.keys("ctrl+a")
        self.type(self.base + "/next")
        self.keys("Return")
        self.wait_title("Next")


def gtk_version():
    version = subprocess.run(["pkg-config", "--modversion", "gtk4"], capture_output=True,
                             text=True).stdout.strip()
    return tuple(int(part) for part in version.split(".")[:2]) if version else (0, 0)


class PageContent(Person):
    def test_a_screen_reader_reads_the_pages_heading_and_link(self):
        if gtk_version() < (4, 14):
            self.skipTest("GTK %d.%d has no accessibility socket for the page's content; "
                          "4.14 and later have" % gtk_version())
        self.load("/article")

        def found(role, words):
            def matches(node):
                if node.roleName != role:
                    return False
                try:
                    text = node.name or node.text or ""
                except Exception:  # no text of its own
                    text = node.name
                return words in text
            return self.window.findChild(matches, retry=False, requireResult=False)

        wait_for(lambda: found("heading", "A heading to read"), 15, "the page's heading")
        wait_for(lambda: found("link", "A link to follow"), 15, "the page's link")


class PageCommands(Person):
    def test_print_preview_and_properties(self):
        self.load("/next")
        self.choose("File", "Print Preview")
        preview = wait_for(lambda: [c for c in self.app.children if c.name == "Print Preview"],
                           30, "the print preview")[0]
        self.click(self.node("push button", "Zoom In", within=preview))
        self.click(self.node("push button", "Close", within=preview))
        wait_for(lambda: not [c for c in self.app.children if c.name == "Print Preview"], 5,
                 "the preview closed")

        self.choose("File", "Properties")
        properties = wait_for(lambda: [c for c in self.app.children if c.name == "Properties"],
                              10, "the properties")[0]
        # Each value is read by the name of its row.
        address = self.node("label", "Address", within=properties)
        self.assertEqual(self.text(address), self.base + "/next")


    def test_save_as_writes_the_page_and_typing_goes_on(self):
        self.load("/next")
        self.click(self.node("text", "Address"))
        self.keys("End")
        self.choose("File", "Save As...")
        chooser = self.dialog("Save As")
        saved = os.path.join(self.home, "saved.html")
        # It opens with the focus in its name field, the page's title there.
        wait_for(lambda: chooser.findChild(lambda n: n.roleName == "text" and n.focused and
                                           self.text(n) == "Next.mhtml", retry=False,
                                           requireResult=False), 5, "the name field")
        self.keys("ctrl+a")
        self.type(saved)
        self.keys("Return")
        wait_for(lambda: os.path.exists(saved), 10, "the saved page")
        with open(saved) as f:
            self.assertIn("The next page", f.read())
        self.gone("Save As")
        self.type("x")
        wait_for(lambda: self.address() == self.base + "/nextx", 5, "the typing")

    def test_each_text_size_item_grows_or_shrinks_the_text(self):
        self.load("/size")
        self.wait_title("h:2")

        def height():
            return int(self.frame("h:").name.split()[0][2:])

        heights = []
        for item in ["Largest", "Larger", "Medium", "Smaller", "Smallest"]:
            with self.subTest(item):
                before = height()
                self.choose("View", "Text Size", item)
                if item != "Medium":  # the size the page opened with
                    wait_for(lambda: height() != before, 5, "the text's new size")
                heights.append(height())
        self.assertEqual(heights, sorted(heights, reverse=True))
        self.assertEqual(len(set(heights)), 5)


class SidePane(Person):
    def prepare(self, env):
        folder = os.path.join(env["XDG_DATA_HOME"], "tarravelle", "Favorites")
        os.makedirs(folder)
        with open(os.path.join(folder, "Next page.url"), "w") as f:
            f.write("[InternetShortcut]\nURL=%s/next\n" % self.base)

    def test_the_favourites_and_history_folders_open_their_links(self):
        self.load("/next")
        main = self.window
        # Each folder's first link, from the pane's top left corner; a link opens a window.
        for how, caption, link in [(("Favorites", "Internet Explorer Favorites"),
                                    "Close Internet Explorer Favorites", (34, 39)),
                                   (("Tools", "Show History"), "Close History Window", (57, 59))]:
            with self.subTest(caption):
                self.choose(*how)
                close = self.node("push button", caption)
                pane = self.page_view("Folder")
                opened = len(self.app.children)
                time.sleep(1)  # the folder's page is drawn
                self.click_page(*link, page=pane)
                new = wait_for(lambda: self.app.children[opened:], 15, "the link's window")[0]
                wait_for(lambda: new.name.startswith("Next"), 15, "the link's page")
                xdotool("mousemove", *map(str, self.close_box(new)), "click", "1")
                wait_for(lambda: len(self.app.children) == opened, 5, "the window closed")
        self.window = main
        self.click(close)
        # The page view keeps its size in the accessibility tree once hidden; its button not.
        wait_for(lambda: self.hidden(close), 5, "the pane closed")


class Favourites(Person):

    def show(self):
        self.choose("Favorites", "Show Favorites")
        return wait_for(lambda: [c for c in self.app.children if c.name == "Favorites"], 10,
                        "the dialog")[0]

    def test_add_asks_for_an_empty_address_remove_and_double_click(self):
        self.click(self.node("text", "Address"))
        self.keys("ctrl+a", "BackSpace")
        self.choose("Favorites", "Add to Favorites")
        prompt = wait_for(lambda: [c for c in self.app.children if c.name == "Add"], 10,
                          "the prompt")[0]
        field = self.node("text", "Enter website you wish to add to favorites", within=prompt)
        self.click(field)
        self.keys("ctrl+a")
        self.type(self.base + "/next")
        self.keys("Return")
        self.click(self.node("text", "Address"))
        self.type(self.base + "/form")
        self.choose("Favorites", "Add to Favorites")
        dialog = self.show()
        self.click(self.node("label", self.base + "/form", within=dialog))
        self.click(self.node("push button", "Remove", within=dialog))
        wait_for(lambda: not dialog.findChild(lambda n: n.name == self.base + "/form",
                                              retry=False, requireResult=False), 5, "removed")
        item = self.node("label", self.base + "/next", within=dialog)
        x, y = self.screen_place(item)
        xdotool("mousemove", str(x), str(y), "click", "--repeat", "2", "--delay", "80", "1")
        self.wait_title("Next")


# A program of the desktop that only notes how it was started: its name and its arguments.
STAND_IN = """#!/bin/sh
echo "$*" >> "$STAND_IN_LOG"
"""
# Desktop entries of the stand-ins, by file name: the mail program (which also opens mailto:
# addresses), the address book and the network settings.
DESKTOP_ENTRIES = {
    "stand-in-mail.desktop": "Categories=Network;Email;\nMimeType=x-scheme-handler/mailto;\n"
                             "Exec=stand-in mail %u\n",
    "stand-in-contacts.desktop": "Categories=Office;ContactManagement;\n"
                                 "Exec=stand-in contacts\n",
    "gnome-network-panel.desktop": "Categories=Settings;\nExec=stand-in network\n",
}


class Launchers(Person):
    def prepare(self, env):
        programs = os.path.join(self.home, "bin")
        os.makedirs(programs)
        with open(os.path.join(programs, "stand-in"), "w") as f:
            f.write(STAND_IN)
        os.chmod(os.path.join(programs, "stand-in"), 0o755)
        applications = os.path.join(env["XDG_DATA_HOME"], "applications")
        os.makedirs(applications)
        for name, entry in DESKTOP_ENTRIES.items():
            with open(os.path.join(applications, name), "w") as f:
                f.write("[Desktop Entry]\nType=Application\nName=%s\n%s" % (name, entry))
        with open(os.path.join(env["XDG_CONFIG_HOME"], "mimeapps.list"), "w") as f:
            f.write("[Default Applications]\nx-scheme-handler/mailto=stand-in-mail.desktop\n")
        self.log = os.path.join(self.home, "started")
        env.update(PATH=programs + ":" + env["PATH"], STAND_IN_LOG=self.log)

    def started(self):
        try:
            with open(self.log) as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def test_each_launcher_starts_its_program_and_typing_goes_on(self):
        bar = self.node("text", "Address")
        self.click(bar)
        self.keys("End")
        typed = ""
        for how, started in [(("Mail",), "mail"),
                             (("Tools", "Mail & News"), "mail"),
                             (("Tools", "Address Book"), "contacts"),
                             (("Tools", "Internet Options"), "network"),
                             (("File", "New", "Message"), "mail mailto:"),
                             (("Help", "Send Email to programmer"),
                              "mail mailto:developer@halvermoor.example")]:
            with self.subTest(how):
                before = len(self.started())
                if len(how) == 1:
                    self.click(self.node("push button", how[0]))
                    self.click(bar)
                    self.keys("End")
                else:
                    self.choose(*how)
                wait_for(lambda: self.started()[before:] == [started], 10, "the stand-in")
                typed += "x"
                self.type("x")
                wait_for(lambda: self.address() == self.base + "/" + typed, 5, "the typing")

    def test_visit_website_and_a_new_window_from_the_menus(self):
        self.choose("Help", "Visit Website")
        box = self.dialog("Website under construction")
        self.assertTrue(box.findChildren(lambda n: n.roleName in ("image", "icon")))
        self.click(self.node("push button", "OK", within=box))
        self.gone("Website under construction")
        self.choose("File", "New", "New Window")
        wait_for(lambda: len([c for c in self.app.children if c.roleName == "frame" and
                              c.name.startswith("Home")]) == 2, 15, "a second window")


class Startup(Person):
    starts_on_home = False

    def on_screen(self, size):
        """The place of the program's shown window of this size; None while there is none."""
        return next((w[:2] for w in self.windows() if w[2:] == tuple(size)), None)

    def centred(self, size):
        """The place of the window of this size once it stands, with its frame, in the middle
        of the screen."""
        def place():
            found = self.on_screen(size)
            # The title bar above it moves its middle down by half the bar's height.
            if found and abs(found[0] + size[0] // 2 - 640) <= 2 and \
                    0 <= found[1] + size[1] // 2 - 512 <= 25:
                return found
            return None
        return wait_for(place, 5, "the window in the middle of the screen")

    def test_a_click_on_the_splash_hands_over_once_and_the_clock_ticks(self):
        splash = wait_for(lambda: [c for c in self.app.children if c.name == "Tarravelle™"], 20,
                          "the splash")[0]
        size = tuple(splash.size)
        left, top = self.centred(size)
        xdotool("mousemove", str(left + 15), str(top + 13), "click", "1")  # its frame's margin
        self.window = wait_for(lambda: self.frame("Home"), 3, "the main window at once")
        self.assertFalse([c for c in self.app.children if c.name == "Tarravelle™"])
        self.centred(tuple(self.window.size))
        # The clock and the date show the time of day and today, and the clock goes on.

        def now(what):
            return subprocess.run(["date", "+%" + what], env=self.env, capture_output=True,
                                  text=True).stdout.strip()

        def label(text):
            return self.window.findChild(lambda n: n.roleName == "label" and n.name == text,
                                         retry=False, requireResult=False)

        self.assertTrue(wait_for(lambda: label(now("x")), 5, "today's date"))
        clock = wait_for(lambda: label(now("X")), 5, "the time of day")
        first = clock.name
        wait_for(lambda: clock.name != first, 5, "the clock's next second")
        # No second hand-over once the splash's time is up.
        time.sleep(4)
        self.assertEqual(len([c for c in self.app.children if c.roleName == "frame"]), 1)

    def test_file_close_ends_the_program(self):
        self.window = wait_for(lambda: self.frame("Home"), 30, "the home page")
        self.choose("File", "Close")
        self.assertEqual(self.program.wait(10), 0)

    def test_the_close_box_asks_first_while_a_download_runs(self):
        self.window = wait_for(lambda: self.frame("Home"), 30, "the home page")
        self.click(self.node("text", "Address"))
        self.keys("ctrl+a")
        self.type(self.base + "/download")
        self.keys("Return")
        self.wait_label("Saving slow.bin: ", 15)
        saved = os.path.join(self.home, "Downloads", "slow.bin")
        self.assertTrue(os.path.exists(saved))
        # No: the person goes on browsing. Yes: the program ends, without the unfinished file.
        for answer in ["No", "Yes"]:
            with self.subTest(answer):
                xdotool("mousemove", *map(str, self.close_box(self.window)), "click", "1")
                self.click(self.node("push button", answer, within=self.dialog("Downloads")))
                if answer == "No":
                    self.gone("Downloads")
                    self.load("/next")
        self.assertEqual(self.program.wait(10), 0)
        self.assertFalse(os.path.exists(saved))


RECENTLY_USED = """<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0" xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">
<bookmark href="file://%s" added="2026-12-08T10:00:00Z" modified="2026-12-08T10:00:00Z"
          visited="2026-12-08T10:00:00Z"><info><metadata owner="http://freedesktop.org">
<mime:mime-type type="audio/mpeg"/><bookmark:applications>
<bookmark:application name="player" exec="&apos;player %%u&apos;"
                      modified="2026-12-08T10:00:00Z" count="1"/>
</bookmark:applications></metadata></info></bookmark></xbel>
"""


class Player(Person):
    def prepare(self, env):
        # Thirty seconds of a tone in a bookmarked folder, which the desktop lists among its
        # recent files.
        music = os.path.join(self.home, "Music")
        os.makedirs(music)
        os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "gtk-3.0"))
        with open(os.path.join(env["XDG_CONFIG_HOME"], "gtk-3.0", "bookmarks"), "w") as f:
            f.write("file://%s\n" % music)
        self.song = os.path.join(music, "tone.mp3")
        subprocess.run(["gst-launch-1.0", "-q", "audiotestsrc", "num-buffers=300",
                        "samplesperbuffer=4410", "!", "audio/x-raw,rate=44100,channels=1", "!",
                        "audioconvert", "!", "lamemp3enc", "!", "filesink",
                        "location=" + self.song], check=True)
        os.makedirs(env["XDG_DATA_HOME"])
        with open(os.path.join(env["XDG_DATA_HOME"], "recently-used.xbel"), "w") as f:
            f.write(RECENTLY_USED % self.song)

    def press(self, name):
        """A button of the player, in the row of its Play button (the toolbar has a Stop too)."""
        row = self.node("push button", "Play").position[1]
        self.click(wait_for(lambda: [n for n in self.window.findChildren(
            lambda n: n.roleName == "push button" and n.name == name)
            if n.position[1] == row], 5, "the player's %s" % name)[0])

    def open_song(self, chooser, below_top):
        """Double-clicks the song's row in the chooser. GTK 4.8 keeps the rows out of the
        accessibility tree: there the row lies `below_top` under the top of the window, at
        the left."""
        if self.gtk() >= (4, 14):
            x, y = self.screen_place(self.node("table cell", "tone.mp3", within=chooser))
        else:
            left, top = [w[:2] for w in self.windows() if w[2:] == tuple(chooser.size)][0]
            x, y = left + 200, top + below_top
        xdotool("mousemove", str(x), str(y), "click", "--repeat", "2", "--delay", "80", "1")

    def frame_number(self):
        return int(self.wait_label("Current Frm: ").name.split(": ")[1])

    def test_a_recent_file_plays_pauses_skips_and_closes(self):
        self.press("Eject")
        chooser = self.dialog("Open")
        self.click(self.node("label", "Recent", within=chooser))
        self.open_song(chooser, 34)  # the first row, under the list's header
        self.wait_label("[ Playing ]")
        self.wait_label("Total Time: 00:30")
        # The player is busy while it plays.
        self.press("Eject")
        busy = self.dialog("Sonavelle")
        self.node("label", "Sonavelle is busy right now!", within=busy)
        self.assertTrue(busy.findChildren(lambda n: n.roleName in ("image", "icon")))
        self.click(self.node("push button", "OK", within=busy))
        self.gone("Sonavelle")
        for button, caption in [("Pause", "[ Paused ]"), ("Play", "[ Playing ]")]:
            self.press(button)
            self.wait_label(caption)
        # A skip moves five seconds, about 190 of the song's frames, at once.
        before = self.frame_number()
        self.press("Skip forward")
        ahead = wait_for(lambda: self.frame_number() > before + 100 and self.frame_number(), 1.5,
                         "five seconds on")
        self.press("Skip back")
        wait_for(lambda: self.frame_number() < ahead - 100, 1.5, "five seconds back")
        self.press("Stop")
        self.wait_label("[ Stoped ]")
        self.press("Play")
        self.wait_label("[ Playing ]")
        self.press("Close")
        self.wait_label("[ No Media ]")
        self.wait_label("Total Time: 00:00")

    def test_a_file_from_a_bookmarked_folder_and_a_typed_path_play(self):
        # The second time, the same file again: the stopped one is let go first.
        for how in ["folder", "typed"]:
            with self.subTest(how):
                self.press("Eject")
                chooser = self.dialog("Open")
                if how == "folder":
                    self.click(self.node("label", "Music", within=chooser))
                    self.open_song(chooser, 80)  # under the path bar and the list's header
                else:
                    # What the chooser offers to complete the path with is taken away.
                    self.type(self.song)
                    self.keys("shift+End", "Delete", "Return")
                self.wait_label("[ Playing ]")
                self.press("Stop")
                self.wait_label("[ Stoped ]")
