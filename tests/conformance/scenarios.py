"""What a person does with the program and what Win32 must then say about it.

Every scenario starts the program afresh, drives it with real X input and reads the outcome back
through the state reader. Where wine without a window manager behaves differently from Windows, the
scenario does what a person would do about it; each such place says so.
"""

from harness import Failure

# The texts, as the program's own GBK bytes.
TITLE = b"\xC0\xBD\xE1\xB6\xC4\xDA\xB4\xE6\xD3\xC5\xBB\xAF\xC6\xF7".decode("gbk")  # 澜岫内存优化器
BOX_TEXT = b"\xD3\xC5\xBB\xAF\xB3\xC9\xB9\xA6\xA3\xA1".decode("gbk")  # 优化成功！
BOX_CAPTION = b"\xD0\xC5\xCF\xA2\xA3\xBA".decode("gbk")  # 信息：
TRAIL_5C_FOLDER = b"\xDF\x5C\xD0\xD0".decode("gbk")  # 運行: 運 is DF 5C

OUTER_SIZE = (506, 479)
CHECK_BOXES = (110, 120, 130, 140)  # 选择框1-4
BUTTON = 150  # 按钮1
TAB_RING = CHECK_BOXES + (BUTTON,)
BANNER, ABOUT_BOX, ABOUT_TEXT = 100, 160, 170  # 图片框1, 分组框1, 标签1
# Client rectangles (left, top, width, height) that a person clicks in the middle of: the
# controls, the banner as far as the client area shows it, and 分组框1's left margin beside 标签1.
LAYOUT = {110: (24, 224, 152, 24), 120: (24, 256, 152, 24), 130: (24, 288, 152, 24),
          140: (24, 320, 152, 24), 150: (16, 368, 160, 48), BANNER: (0, 0, 500, 200),
          ABOUT_BOX: (216, 224, 16, 192), ABOUT_TEXT: (232, 256, 224, 144)}
HTCLOSE = 20

SCENARIOS = []


def scenario(*sessions):
    """Registers a scenario for the sessions (locale and screen) it runs in."""
    def register(function):
        SCENARIOS.append((function.__name__, sessions, function))
        return function
    return register


def expect(what, seen, wanted):
    if seen != wanted:
        raise Failure(f"{what}: got {seen!r}, expected {wanted!r}")


def centred_rect(width, height):
    # Signed division that truncates toward zero, as the window's centring does.
    left, top = int((width - OUTER_SIZE[0]) / 2), int((height - OUTER_SIZE[1]) / 2)
    return (left, top, left + OUTER_SIZE[0], top + OUTER_SIZE[1])


def control_centre(state, control):
    origin_x, origin_y = state.numbers("client_origin")
    left, top, width, height = LAYOUT[control]
    return origin_x + left + width // 2, origin_y + top + height // 2


def caption_point(state, from_left=120):
    """A point on the caption bar, clear of the icon and the close button."""
    left, top, _, _ = state.numbers("rect")
    return left + from_left, (top + state.numbers("client_origin")[1]) // 2


def focus_on(control):
    return lambda s: s.get("focus") == str(control)


def checks_are(marks):
    return lambda s: s.numbers("checks") == marks


def box_open(s):
    return s.get("box") == "open"


def tab(session, control):
    """Presses Tab and waits for the focus to reach `control`; once it has moved, whatever was
    sent before the Tab has been handled too."""
    session.keys("Tab")
    return session.wait_for(f"Tab reaching {control}", focus_on(control))


def tab_to(session, control):
    """Moves the focus from 选择框1, where it starts, along the tab sequence to `control`."""
    for step in TAB_RING[1:TAB_RING.index(control) + 1]:
        tab(session, step)


def expect_notification(session):
    """The box is up with its texts, and the main window is disabled behind it."""
    state = session.wait_for("the notification box opening", box_open)
    expect("box caption", state.get("box_title"), BOX_CAPTION)
    expect("box text", state.get("box_text"), BOX_TEXT)
    expect("main window enabled while the box is open", state.get("enabled"), "0")
    return state


def reactivate(session):
    """Clicks the main window's caption, as a person does once a box has closed.

    Windows activates the main window again when its task-modal box closes; wine without a window
    manager leaves no window active, so the keyboard would reach nothing until the click.
    """
    state = session.wait_for("the box closing", lambda s: s.get("box") == "none"
                             and s.get("enabled") == "1")
    session.click(*caption_point(state))
    return session.wait_for("the main window becoming active", lambda s: s.get("active") == "main")


@scenario("zh-1024", "zh-1280", "zh-400")
def window_title_and_centred_rect(session, paths):
    with session.running(paths.plain):
        state = session.state()
        expect("code page", state.get("acp"), "936")
        expect("title", state.get("title"), TITLE)
        screen = session.screen
        wanted = centred_rect(screen.width, screen.height)
        if screen.width >= OUTER_SIZE[0] and screen.height >= OUTER_SIZE[1]:
            expect("outer rectangle", state.numbers("rect"), wanted)
        else:
            # Wine keeps a captioned top-level window within its maximum tracking size (the
            # screen plus the frames), even through SetWindowPos, so on a screen smaller than the
            # window only the centred top-left corner can be checked here.
            expect("outer top-left corner", state.numbers("rect")[:2], wanted[:2])


@scenario("en-1024")
def title_and_notification_read_under_code_page_1252(session, paths):
    with session.running(paths.plain):
        state = session.state()
        expect("code page", state.get("acp"), "1252")
        expect("title", state.get("title"), TITLE)
        session.click(*control_centre(state, BUTTON))
        expect_notification(session)


@scenario("zh-1024")
def starts_with_focus_on_first_check_box_and_no_marks(session, paths):
    with session.running(paths.plain):
        state = session.wait_for("focus on 选择框1", focus_on(110))
        expect("check marks", state.numbers("checks"), (0, 0, 0, 0))
        expect("active window", state.get("active"), "main")
        expect("current folder", state.get("cwd"), r"C:\lanxiu" + "\\")


@scenario("zh-1024")
def tab_and_shift_tab_walk_the_ring(session, paths):
    with session.running(paths.plain):
        session.wait_for("focus on 选择框1", focus_on(110))
        for step in TAB_RING[1:] + TAB_RING[:1]:
            tab(session, step)
        for step in reversed(TAB_RING):
            session.keys("shift+Tab")
            session.wait_for(f"Shift+Tab reaching {step}", focus_on(step))


@scenario("zh-1024")
def space_and_clicks_toggle_only_that_check_box(session, paths):
    with session.running(paths.plain):
        session.wait_for("focus on 选择框1", focus_on(110))
        session.keys("space")
        session.wait_for("Space checking 选择框1", checks_are((1, 0, 0, 0)))
        session.keys("space")
        session.wait_for("Space unchecking 选择框1", checks_are((0, 0, 0, 0)))
        state = session.state()
        for index, control in enumerate(CHECK_BOXES):
            marks = tuple(int(i == index) for i in range(4))
            session.click(*control_centre(state, control))
            session.wait_for(f"a click checking {control} alone", checks_are(marks))
            session.click(*control_centre(state, control))
            session.wait_for(f"a second click unchecking {control}", checks_are((0, 0, 0, 0)))


@scenario("zh-1024")
def clicks_on_banner_and_about_box_do_nothing(session, paths):
    with session.running(paths.plain):
        state = session.wait_for("focus on 选择框1", focus_on(110))
        session.click(*control_centre(state, 120))
        session.wait_for("a click checking 选择框2", checks_are((0, 1, 0, 0)))
        for control in (BANNER, ABOUT_BOX, ABOUT_TEXT):
            session.click(*control_centre(state, control))
        state = tab(session, 130)  # the clicks have been handled by now
        expect("check marks", state.numbers("checks"), (0, 1, 0, 0))
        expect("box", state.get("box"), "none")


@scenario("zh-1024")
def enter_clicks_nothing(session, paths):
    with session.running(paths.plain):
        session.wait_for("focus on 选择框1", focus_on(110))
        tab_to(session, BUTTON)
        session.keys("Return")
        state = tab(session, 110)  # Enter has been handled by now
        expect("box after Enter on 按钮1", state.get("box"), "none")
        session.keys("Return")
        state = tab(session, 120)  # Enter has been handled by now
        expect("check marks after Enter on 选择框1", state.numbers("checks"), (0, 0, 0, 0))
        expect("box after Enter on 选择框1", state.get("box"), "none")


@scenario("zh-1024")
def press_on_button_released_elsewhere_is_no_click(session, paths):
    with session.running(paths.plain):
        state = session.wait_for("focus on 选择框1", focus_on(110))
        x, y = control_centre(state, BUTTON)
        session.xdotool("mousemove", str(x), str(y), "mousedown", "1")
        session.wait_for("the press focusing 按钮1", focus_on(BUTTON))
        session.xdotool("mousemove", str(x + 150), str(y), "mouseup", "1")
        state = tab(session, 110)  # the release has been handled by now
        expect("box after a release outside 按钮1", state.get("box"), "none")


@scenario("zh-1024")
def click_on_button_shows_task_modal_box(session, paths):
    with session.running(paths.plain):
        state = session.wait_for("focus on 选择框1", focus_on(110))
        session.click(*control_centre(state, 120))
        session.wait_for("a click checking 选择框2", checks_are((0, 1, 0, 0)))
        session.click(*control_centre(state, BUTTON))
        box = expect_notification(session)
        # The main window is disabled: a click on a check box there changes nothing.
        session.click(*control_centre(state, 130))
        x, y = (int(n) for n in box.get("box_button").split(","))
        session.click(x, y)
        state = reactivate(session)
        session.wait_for("focus back on 按钮1", focus_on(BUTTON))
        expect("check marks after the box", state.numbers("checks"), (0, 1, 0, 0))


@scenario("zh-1024")
def space_on_button_shows_task_modal_box(session, paths):
    with session.running(paths.plain):
        session.wait_for("focus on 选择框1", focus_on(110))
        tab_to(session, BUTTON)
        session.keys("space")
        expect_notification(session)
        session.keys("Return")  # closes the box through its OK button
        reactivate(session)
        session.wait_for("focus back on 按钮1", focus_on(BUTTON))
        session.keys("space")
        expect_notification(session)


def close_button_point(session, state):
    """Finds the close button by asking the window what lies along its caption.

    Wine draws the classic caption; rather than assume its button metrics, walk leftwards from the
    right edge and take the middle of the run that the window reports as HTCLOSE.
    """
    _, top, right, _ = state.numbers("rect")
    y = (top + state.numbers("client_origin")[1]) // 2
    xs = list(range(right - 1, right - 60, -1))
    hits = session.ask(*(f"hit {x} {y}" for x in xs))
    on_close = [x for x, hit in zip(xs, hits) if hit.get("hit") == str(HTCLOSE)]
    if not on_close:
        raise Failure("no point of the caption answers HTCLOSE")
    return (min(on_close) + max(on_close)) // 2, y


def ends_with_exit_code_0(session, paths, close):
    with session.running(paths.plain) as program:
        close(session.wait_for("focus on 选择框1", focus_on(110)))
        expect("exit code", program.exit_code(), 0)


@scenario("zh-1024")
def escape_ends_with_exit_code_0(session, paths):
    def close(state):
        tab_to(session, 130)  # Escape closes whichever unit has the focus
        session.keys("Escape")
    ends_with_exit_code_0(session, paths, close)


@scenario("zh-1024")
def escape_with_shift_or_ctrl_keeps_the_window(session, paths):
    with session.running(paths.plain) as program:
        session.wait_for("focus on 选择框1", focus_on(110))
        session.keys("shift+Escape", "ctrl+Escape")
        tab(session, 120)  # the Escapes have been handled by now
        expect("process running", program.running(), True)


@scenario("zh-1024")
def alt_f4_ends_with_exit_code_0(session, paths):
    ends_with_exit_code_0(session, paths, lambda state: session.keys("alt+F4"))


@scenario("zh-1024")
def close_button_ends_with_exit_code_0(session, paths):
    ends_with_exit_code_0(session, paths,
                          lambda state: session.click(*close_button_point(session, state)))


@scenario("zh-1024")
def folder_with_5c_trail_byte_becomes_current(session, paths):
    with session.running(paths.trail_5c):
        state = session.state()
        expect("code page", state.get("acp"), "936")
        expect("current folder", state.get("cwd"), "C:\\" + TRAIL_5C_FOLDER + "\\")
