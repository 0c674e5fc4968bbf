#!/usr/bin/python3
"""Draws every picture and sound Quintarlow! ships.

Run through tools/make-artwork.sh, which installs what this needs. Everything is computed from
fixed numbers and seeded generators, and no file gets a time stamp, so two runs give the same
bytes and the committed files can be checked against a fresh run.

    make_artwork.py TOP     writes under TOP/data and TOP/resources
"""

import math
import os
import random
import struct
import sys
import wave

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_DIRS = {
    "comic-bold": "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
    "dejavu-bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "liberation-bold": "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
}

# Pictures are drawn this many times larger and then scaled down: PIL draws shapes without
# anti-aliasing, and the small pictures would look jagged otherwise.
SS = 4


def font(name, size):
    return ImageFont.truetype(FONT_DIRS[name], size)


def hsv(h, s, v):
    """RGB tuple for hue h in turns (any real number), saturation and value in 0..1."""
    h = h % 1.0
    i = int(h * 6.0)
    f = h * 6.0 - i
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i % 6]
    return (round(r * 255), round(g * 255), round(b * 255))


def mix(a, b, t):
    """Colour a moved the fraction t towards colour b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def hexrgb(value):
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)


def smooth(x):
    x = min(1.0, max(0.0, x))
    return x * x * (3 - 2 * x)


def ensure_dir(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)


# ----------------------------------------------------------------------------------------------
# Animated GIFs


def save_gif(path, frames, duration_ms, background):
    """Writes RGB frames as a GIF that loops forever, all frames sharing one palette.

    One shared palette keeps the colours of still parts from flickering between frames, and
    turning dithering off keeps flat areas flat. The background colour is put into the palette
    exactly: a median-cut palette would shade it slightly, and the picture would then show as a
    visible box on the window it is meant to blend into.
    """
    ensure_dir(path)
    width, height = frames[0].size
    sheet = Image.new("RGB", (width, height * len(frames)))
    for i, frame in enumerate(frames):
        sheet.paste(frame, (0, height * i))
    palette = sheet.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    entries = palette.getpalette()[:768]
    entries += [0] * (768 - len(entries))
    nearest = min(range(256), key=lambda k: sum((entries[3 * k + c] - background[c]) ** 2 for c in range(3)))
    entries[3 * nearest:3 * nearest + 3] = list(background)
    colours = [tuple(entries[3 * k:3 * k + 3]) for k in range(256)]
    # Each colour goes to its truly nearest entry; Pillow's own lookup is approximate and would
    # not reliably pick the exact background entry.
    lookup = {}

    def nearest_entry(rgb):
        index = lookup.get(rgb)
        if index is None:
            index = min(range(256), key=lambda k: (colours[k][0] - rgb[0]) ** 2 + (colours[k][1] - rgb[1]) ** 2
                        + (colours[k][2] - rgb[2]) ** 2)
            lookup[rgb] = index
        return index

    indexed = []
    for frame in frames:
        out = Image.new("P", frame.size)
        out.putpalette(entries)
        out.putdata([nearest_entry(rgb) for rgb in frame.getdata()])
        indexed.append(out)
    indexed[0].save(path, save_all=True, append_images=indexed[1:], duration=duration_ms, loop=0,
                    optimize=False, disposal=1)


def text_mask(text, fnt, stroke=0):
    """An L-mode mask of text, cropped to its ink plus the stroke, and its offset from the pen."""
    left, top, right, bottom = fnt.getbbox(text, stroke_width=stroke)
    mask = Image.new("L", (right - left, bottom - top), 0)
    ImageDraw.Draw(mask).text((-left, -top), text, font=fnt, fill=255, stroke_width=stroke,
                              stroke_fill=255)
    return mask, (left, top)


def star_points(cx, cy, outer, inner, points=5, turn=0.0):
    pts = []
    for k in range(points * 2):
        r = outer if k % 2 == 0 else inner
        a = turn + math.pi * k / points - math.pi / 2
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def sparkle(draw, cx, cy, size, colour):
    """A four-pointed twinkle."""
    w = size * 0.22
    draw.polygon([(cx, cy - size), (cx + w, cy - w), (cx + size, cy), (cx + w, cy + w),
                  (cx, cy + size), (cx - w, cy + w), (cx - size, cy), (cx - w, cy - w)], fill=colour)


def title_banner(path):
    """"Quintarlow!" in rainbow letters whose colours flow along the word, with a glint passing."""
    width, height, count = 441, 33, 16
    text = "Quintarlow!"
    fnt = font("comic-bold", 28 * SS)
    stroke = 2 * SS
    spacing = 7 * SS
    outlines = [text_mask(ch, fnt, stroke) for ch in text]
    fills = [text_mask(ch, fnt, 0) for ch in text]
    advances = [fnt.getlength(ch) + spacing for ch in text]
    total = sum(advances) - spacing
    x0 = (width * SS - total) / 2
    _, ink_top, _, ink_bottom = fnt.getbbox(text, stroke_width=stroke)
    frames = []
    for f in range(count):
        t = f / count
        img = Image.new("RGB", (width * SS, height * SS), (255, 255, 255))
        draw = ImageDraw.Draw(img)
        # Twinkles either side of the word, each on its own beat.
        for sx, sy, phase, hue in [(22, 11, 0.0, 0.0), (48, 22, 0.33, 0.15), (75, 9, 0.66, 0.55),
                                   (366, 22, 0.5, 0.8), (393, 10, 0.16, 0.33), (419, 21, 0.83, 0.66)]:
            pulse = 0.5 + 0.5 * math.cos(2 * math.pi * (t - phase))
            sparkle(draw, sx * SS, sy * SS, (3 + 5 * pulse) * SS, hsv(hue + t, 0.85, 1.0))
        x = x0
        glint = -0.15 + 1.3 * t  # where along the word the white glint is
        for i, ch in enumerate(text):
            outline, (ox, oy) = outlines[i]
            fill, (fx, fy) = fills[i]
            wave_y = 1.5 * SS * math.sin(2 * math.pi * (t - i / len(text)))
            pen_y = (height * SS - (ink_bottom - ink_top)) / 2 - ink_top + wave_y
            colour = hsv(i / len(text) - t, 0.9, 1.0)
            shine = max(0.0, 1 - abs(i / (len(text) - 1) - glint) / 0.12)
            colour = mix(colour, (255, 255, 255), 0.55 * shine)
            dark = mix(hsv(i / len(text) - t, 1.0, 0.45), (0, 0, 0), 0.35)
            img.paste(dark, (round(x + ox), round(pen_y + oy)), outline)
            # Top of each letter lighter than its foot, so it reads as a shiny sweet.
            grad = Image.new("RGB", fill.size)
            gd = ImageDraw.Draw(grad)
            for row in range(fill.size[1]):
                gd.line([(0, row), (fill.size[0], row)],
                        fill=mix(mix(colour, (255, 255, 255), 0.35), colour, row / max(1, fill.size[1] - 1)))
            img.paste(grad, (round(x + fx), round(pen_y + fy)), fill)
            x += advances[i]
        frames.append(img.resize((width, height), Image.LANCZOS))
    save_gif(path, frames, 80, (255, 255, 255))


def free_square(path):
    """A green board square marked FREE, with a golden star that pulses and turns slowly."""
    size, count = 47, 12
    fnt = font("dejavu-bold", 13 * SS)
    frames = []
    for f in range(count):
        t = f / count
        img = Image.new("RGB", (size * SS, size * SS))
        draw = ImageDraw.Draw(img)
        for row in range(size * SS):
            draw.line([(0, row), (size * SS, row)], fill=mix((92, 214, 92), (28, 150, 52), row / (size * SS)))
        draw.rectangle([0, 0, size * SS - 1, size * SS - 1], outline=(20, 110, 40), width=2 * SS)
        draw.line([(2 * SS, 2 * SS), (size * SS - 3 * SS, 2 * SS)], fill=(160, 240, 160), width=SS)
        pulse = 0.5 + 0.5 * math.sin(2 * math.pi * t)
        c = size * SS / 2
        outer = (17 + 3 * pulse) * SS
        turn = 2 * math.pi * t / 5  # one fifth of a turn per loop looks like a full turn
        draw.polygon(star_points(c, c, outer + 1.5 * SS, outer * 0.45 + 1.5 * SS, turn=turn), fill=(200, 120, 0))
        draw.polygon(star_points(c, c, outer, outer * 0.45, turn=turn),
                     fill=mix((255, 214, 40), (255, 245, 150), pulse))
        for k, (sx, sy) in enumerate([(7, 8), (40, 9), (8, 39), (39, 39)]):
            tw = max(0.0, math.sin(2 * math.pi * (t + k / 4)))
            if tw > 0.05:
                sparkle(draw, sx * SS, sy * SS, (1.5 + 3.5 * tw) * SS, (255, 255, 255))
        outline, (ox, oy) = text_mask("FREE", fnt, SS + SS // 2)
        fill, (fx, fy) = text_mask("FREE", fnt, 0)
        left, top, right, bottom = fnt.getbbox("FREE")
        px = c - (left + right) / 2
        py = c - (top + bottom) / 2 + SS
        img.paste((15, 95, 35), (round(px + ox), round(py + oy)), outline)
        img.paste((255, 255, 255), (round(px + fx), round(py + fy)), fill)
        frames.append(img.resize((size, size), Image.LANCZOS))
    save_gif(path, frames, 90, (20, 110, 40))


def game_over(path):
    """GAME OVER in warm bouncing letters with a soft glow that swells and fades, on the orange
    of the window it sits on."""
    width, height, count = 281, 49, 16
    background = hexrgb(0xFF8000)
    text = "GAME OVER"
    fnt = font("comic-bold", 40 * SS)
    stroke = 3 * SS
    spacing = 2 * SS
    advances = [fnt.getlength(ch) + (spacing if ch != " " else 0) for ch in text]
    total = sum(advances) - spacing
    colours = [(255, 255, 90), (255, 255, 255), (120, 240, 255), (255, 190, 240)]
    frames = []
    for f in range(count):
        t = f / count
        img = Image.new("RGB", (width * SS, height * SS), background)
        ink = Image.new("L", img.size, 0)
        fill_layer = Image.new("RGB", img.size, (0, 0, 0))
        fill_alpha = Image.new("L", img.size, 0)
        x = (width * SS - total) / 2
        left, top, right, bottom = fnt.getbbox("GAME")
        for i, ch in enumerate(text):
            if ch != " ":
                hop = max(0.0, math.sin(2 * math.pi * (t - i / len(text)))) * 4 * SS
                py = (height * SS - (bottom - top)) / 2 - top - hop + 1.5 * SS
                outline, (ox, oy) = text_mask(ch, fnt, stroke)
                fill, (fx, fy) = text_mask(ch, fnt, 0)
                ink.paste(outline, (round(x + ox), round(py + oy)), outline)
                # The colour band travels along the word, two letters per colour.
                k = (i // 2 + f // 4) % len(colours)
                fill_layer.paste(colours[k], (round(x + fx), round(py + fy)), fill)
                fill_alpha.paste(fill, (round(x + fx), round(py + fy)), fill)
            x += advances[i]
        glow_strength = 0.35 + 0.65 * (0.5 + 0.5 * math.cos(2 * math.pi * t))
        glow = ink.filter(ImageFilter.GaussianBlur(4 * SS)).point(lambda v: min(255, int(v * 1.6 * glow_strength)))
        img.paste((255, 250, 200), (0, 0), glow)
        img.paste((110, 30, 120), (0, 0), ink)
        img.paste(fill_layer, (0, 0), fill_alpha)
        frames.append(img.resize((width, height), Image.LANCZOS))
    save_gif(path, frames, 90, background)


def fireworks(path):
    """Small rockets burst in turn in the orange band of the winner screen.

    Both pictures sit at the top corners of the screen, under the headline (window rows 8 to 40)
    and the name bar (rows 56 and below). What shows of them is the strip above the headline
    and the band between headline and name bar, rows 41 to 55, so each burst is drawn whole in
    that band: a rocket climbs out from behind the name bar and bursts before the headline.
    Stars twinkle in the strip above the headline.
    """
    size, count = 89, 24
    background = hexrgb(0xFF8000)
    band_top, band_bottom = 42, 54  # inclusive rows a burst may touch, a pixel clear of both
    cy = (band_top + band_bottom) / 2
    rng = random.Random(89)
    bursts = []
    for cx, start, colour, second in [(14, 0.0, (255, 255, 255), (70, 230, 255)),
                                      (44, 0.33, (40, 60, 240), (255, 255, 255)),
                                      (74, 0.66, (255, 40, 190), (255, 255, 140))]:
        sparks = []
        for k in range(16):
            angle = 2 * math.pi * k / 16 + rng.uniform(-0.1, 0.1)
            sparks.append((angle, rng.uniform(0.85, 1.0), colour if k % 2 == 0 else second))
        bursts.append((cx, start, sparks))
    stars = [(rng.uniform(4, size - 4), rng.uniform(2.5, 5.0), rng.randrange(count)) for _ in range(6)]
    frames = []
    for f in range(count):
        img = Image.new("RGB", (size * SS, size * SS), background)
        draw = ImageDraw.Draw(img)
        for x, y, phase in stars:
            glow = math.sin(math.pi * ((f - phase) % count) / 8) if (f - phase) % count < 8 else 0.0
            if glow > 0:
                sparkle(draw, x * SS, y * SS, 2.4 * SS * glow, mix(background, (255, 255, 230), glow))
        for cx, start, sparks in bursts:
            u = (f / count - start) % 1.0
            if u < 0.2:
                # The rocket climbs from behind the name bar, slowing as it nears the burst.
                y = size - (size - cy) * smooth(u / 0.2)
                tail = min(size, y + 8)
                draw.line([(cx * SS, y * SS), (cx * SS, tail * SS)], fill=(255, 236, 170), width=round(1.2 * SS))
                draw.ellipse([(cx - 1.3) * SS, (y - 1.3) * SS, (cx + 1.3) * SS, (y + 1.3) * SS], fill=(255, 255, 255))
            elif u < 0.85:
                v = (u - 0.2) / 0.65
                # Sparks keep their full colour for most of their flight and fade at the end.
                fade = 1.0 - smooth((v - 0.55) / 0.45)
                if v < 0.2:
                    flash = 1 - v / 0.2
                    r = (1.5 + 2.5 * v / 0.2) * SS
                    draw.ellipse([cx * SS - r, cy * SS - r, cx * SS + r, cy * SS + r],
                                 fill=mix(background, (255, 255, 220), flash))
                for angle, reach, colour in sparks:
                    def at(w):
                        spread = 4.6 * reach * (1 - (1 - w) ** 2.5)
                        # Wider than high, to fill more of the low band.
                        return (cx + 1.6 * spread * math.cos(angle), cy - 0.4 + spread * math.sin(angle) * 0.95 + 0.6 * w * w)
                    head = at(v)
                    back = at(max(0.0, v - 0.35))
                    draw.line([(back[0] * SS, back[1] * SS), (head[0] * SS, head[1] * SS)],
                              fill=mix(background, colour, fade * 0.6), width=round(1.0 * SS))
                    r = 0.9 * SS
                    draw.ellipse([head[0] * SS - r, head[1] * SS - r, head[0] * SS + r, head[1] * SS + r],
                                 fill=mix(background, colour, fade))
        frames.append(img.resize((size, size), Image.LANCZOS))
    save_gif(path, frames, 70, background)


def limb(draw, points, width, colour):
    """A thick bent limb with rounded joints and ends."""
    draw.line(points, fill=colour, width=round(width), joint="curve")
    r = width / 2
    for x, y in (points[0], points[-1]):
        draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)


def bent(start, length1, angle1, length2, angle2):
    """A two-part limb from start; angles in degrees, 0 pointing straight down."""
    a1, a2 = math.radians(angle1), math.radians(angle2)
    mid = (start[0] + length1 * math.sin(a1), start[1] + length1 * math.cos(a1))
    end = (mid[0] + length2 * math.sin(a2), mid[1] + length2 * math.cos(a2))
    return [start, mid, end]


def note(draw, x, y, colour, s):
    """A musical quaver drawn from shapes, so no font is needed."""
    draw.ellipse([x - 4 * s, y - 3 * s, x + 4 * s, y + 3 * s], fill=colour)
    draw.line([(x + 3.2 * s, y), (x + 3.2 * s, y - 15 * s)], fill=colour, width=round(1.8 * s))
    draw.polygon([(x + 3.2 * s, y - 15 * s), (x + 9 * s, y - 10 * s), (x + 8 * s, y - 8 * s),
                  (x + 3.2 * s, y - 11 * s)], fill=colour)


def dancer(path):
    """A smiling child dancing: bobbing, swinging hips, waving arms and kicking feet, with music
    notes floating up beside."""
    width, height, count = 153, 193, 16
    background = (0xF0, 0xF0, 0xF0)
    skin, skin_dark = (255, 206, 160), (214, 150, 100)
    shirt, shirt_dark = (255, 200, 30), (215, 140, 0)
    trousers, shoes, hair = (40, 90, 200), (220, 40, 50), (120, 60, 20)
    s = SS
    frames = []
    for f in range(count):
        t = f / count
        beat = 2 * math.pi * t
        img = Image.new("RGB", (width * s, height * s), background)
        draw = ImageDraw.Draw(img)
        bob = abs(math.sin(beat)) * 5        # up on every half step
        sway = 7 * math.sin(beat)             # hips to the left, then to the right
        hip = (76.5 + sway, 122 - bob)
        neck = (76.5 + sway * 0.4, 82 - bob)
        # Shadow on the floor shrinks a little as the child goes up.
        sw = 34 - bob * 1.2
        draw.ellipse([(76.5 - sw) * s, 182 * s, (76.5 + sw) * s, 190 * s], fill=(214, 214, 214))
        # Music notes drift upwards and fade into the grey.
        for k, (nx, hue) in enumerate([(18, 0.95), (134, 0.6), (24, 0.3), (128, 0.8)]):
            u = (t + k / 4) % 1.0
            ny = 120 - 90 * u
            nx2 = nx + 5 * math.sin(2 * math.pi * u * 1.5)
            fade = math.sin(math.pi * u)
            note(draw, nx2 * s, ny * s, mix(background, hsv(hue, 0.75, 0.95), fade), s * 0.9)
        # Legs: one knee lifts outwards while the other leg carries the weight.
        lift_left = max(0.0, math.sin(beat))
        lift_right = max(0.0, -math.sin(beat))
        hip_l, hip_r = (hip[0] - 9, hip[1]), (hip[0] + 9, hip[1])
        leg_l = bent((hip_l[0] * s, hip_l[1] * s), 28 * s, -6 - 62 * lift_left - sway * 0.8, 28 * s,
                     -3 + 30 * lift_left - sway * 0.8)
        leg_r = bent((hip_r[0] * s, hip_r[1] * s), 28 * s, 6 + 62 * lift_right - sway * 0.8, 28 * s,
                     3 - 30 * lift_right - sway * 0.8)
        for leg, side in ((leg_l, -1), (leg_r, 1)):
            limb(draw, leg, 12 * s, trousers)
            fx, fy = leg[-1]
            draw.ellipse([fx - 9 * s + side * 4 * s, fy - 3 * s, fx + 9 * s + side * 4 * s, fy + 8 * s], fill=shoes)
            draw.ellipse([fx - 4 * s + side * 6 * s, fy - 1 * s, fx + side * 6 * s, fy + 2 * s], fill=(255, 140, 140))
        # Body: a yellow T-shirt with a red star on it.
        body = [(neck[0] - 21) * s, (neck[1] + 2) * s, (hip[0] + 21) * s, (hip[1] + 8) * s]
        draw.rounded_rectangle([min(body[0], body[2] - 42 * s), body[1], max(body[2], body[0] + 42 * s), body[3]],
                               radius=12 * s, fill=shirt, outline=shirt_dark, width=2 * s)
        draw.rectangle([(hip[0] - 20) * s, (hip[1] - 2) * s, (hip[0] + 20) * s, (hip[1] + 8) * s], fill=trousers)
        cx, cy = (neck[0] + hip[0]) / 2, (neck[1] + hip[1]) / 2 - 3
        draw.polygon(star_points(cx * s, cy * s, 11 * s, 4.6 * s, turn=0.25 * math.sin(beat)), fill=(230, 40, 50))
        # Arms wave in turn: one reaches up and waves while the other swings low, swapping on the
        # beat. Angles count from straight down, so 180 is straight up.
        wave_l = 0.5 + 0.5 * math.sin(beat)
        wave_r = 1 - wave_l
        sh_l, sh_r = (neck[0] - 18, neck[1] + 9), (neck[0] + 18, neck[1] + 9)
        arm_l = bent((sh_l[0] * s, sh_l[1] * s), 22 * s, -35 - 95 * wave_l, 20 * s,
                     -20 - 150 * wave_l + 25 * math.sin(2 * beat))
        arm_r = bent((sh_r[0] * s, sh_r[1] * s), 22 * s, 35 + 95 * wave_r, 20 * s,
                     20 + 150 * wave_r - 25 * math.sin(2 * beat))
        for arm in (arm_l, arm_r):
            limb(draw, arm[:2], 11 * s, shirt)
            limb(draw, arm[1:], 8 * s, skin)
            hx, hy = arm[-1]
            draw.ellipse([hx - 6 * s, hy - 6 * s, hx + 6 * s, hy + 6 * s], fill=skin, outline=skin_dark, width=s)
        # Head, tilting with the music.
        tilt = 9 * math.sin(beat)
        head = Image.new("RGBA", (76 * s, 76 * s), (0, 0, 0, 0))
        hd = ImageDraw.Draw(head)
        c = 38 * s
        hd.ellipse([c - 30 * s, c - 28 * s, c + 30 * s, c + 30 * s], fill=skin, outline=skin_dark, width=2 * s)
        hd.ellipse([c - 35 * s, c - 2 * s, c - 26 * s, c + 11 * s], fill=skin, outline=skin_dark, width=s)
        hd.ellipse([c + 26 * s, c - 2 * s, c + 35 * s, c + 11 * s], fill=skin, outline=skin_dark, width=s)
        hd.chord([c - 31 * s, c - 30 * s, c + 31 * s, c + 16 * s], 180, 360, fill=hair)
        for k in range(5):
            hx = c + (k - 2) * 11 * s
            hd.ellipse([hx - 8 * s, c - 34 * s, hx + 8 * s, c - 19 * s], fill=hair)
        for ex in (-11, 11):
            hd.ellipse([c + (ex - 5) * s, c - 3 * s, c + (ex + 5) * s, c + 9 * s], fill=(255, 255, 255))
            hd.ellipse([c + (ex - 3) * s, c, c + (ex + 3) * s, c + 8 * s], fill=(40, 30, 30))
            hd.ellipse([c + (ex - 1) * s, c + 1 * s, c + (ex + 1.2) * s, c + 3.5 * s], fill=(255, 255, 255))
        for ex in (-19, 19):
            hd.ellipse([c + (ex - 5) * s, c + 10 * s, c + (ex + 5) * s, c + 16 * s], fill=(255, 150, 150))
        hd.chord([c - 13 * s, c + 2 * s, c + 13 * s, c + 24 * s], 0, 180, fill=(190, 40, 60))
        hd.chord([c - 8 * s, c + 15 * s, c + 8 * s, c + 25 * s], 200, 340, fill=(255, 120, 130))
        head = head.rotate(tilt, resample=Image.BICUBIC, center=(c, c + 20 * s))
        img.paste(head, (round((neck[0] - 38) * s), round((neck[1] - 66) * s)), head)
        frames.append(img.resize((width, height), Image.LANCZOS))
    save_gif(path, frames, 70, background)


LETTER_COLOURS = {
    "q": (235, 40, 50), "u": (255, 130, 0), "i": (240, 190, 0), "n": (40, 180, 60),
    "t": (0, 170, 170), "a": (30, 140, 240), "r": (50, 70, 220), "l": (140, 60, 210),
    "o": (220, 50, 180), "w": (255, 80, 120),
}


def letter(path, ch, index):
    """One big capital that hops, squashing as it lands and wobbling in the air. Each letter is
    a tenth of a hop behind the one before, so side by side they ripple like a wave."""
    width, height, count = 75, 89, 16
    colour = LETTER_COLOURS[ch]
    cap = ch.upper()
    size = {"W": 64, "Q": 72}.get(cap, 76)
    fnt = font("comic-bold", size * SS)
    stroke = 3 * SS
    outline, (ox, oy) = text_mask(cap, fnt, stroke)
    fill, (fx, fy) = text_mask(cap, fnt, 0)
    glyph = Image.new("RGBA", outline.size, (0, 0, 0, 0))
    glyph.paste(mix(colour, (0, 0, 0), 0.55), (0, 0), outline)
    shade = Image.new("RGB", fill.size)
    sd = ImageDraw.Draw(shade)
    for row in range(fill.size[1]):
        sd.line([(0, row), (fill.size[0], row)],
                fill=mix(mix(colour, (255, 255, 255), 0.45), colour, min(1.0, row / (0.6 * fill.size[1]))))
    glyph.paste(shade, (fx - ox, fy - oy), fill)
    # A glossy highlight across the upper part of the letter.
    gloss = Image.new("L", fill.size, 0)
    ImageDraw.Draw(gloss).ellipse([-fill.size[0] * 0.2, -fill.size[1] * 0.55, fill.size[0] * 0.9, fill.size[1] * 0.28],
                                  fill=110)
    gloss = ImageChops.multiply(gloss, fill)
    glyph.paste((255, 255, 255), (fx - ox, fy - oy), gloss)
    gw, gh = glyph.size
    floor = 80 * SS
    frames = []
    for f in range(count):
        t = (f / count + index / 10) % 1.0
        up = abs(math.sin(math.pi * t))           # 0 on the floor, 1 at the top of the hop
        squash = max(0.0, 1 - up / 0.3)
        sx, sy = 1 + 0.13 * squash, 1 - 0.15 * squash
        img = Image.new("RGB", (width * SS, height * SS), (255, 255, 255))
        draw = ImageDraw.Draw(img)
        shadow = (25 - 9 * up) * SS
        draw.ellipse([width * SS / 2 - shadow, floor - 2.5 * SS, width * SS / 2 + shadow, floor + 3 * SS],
                     fill=mix((255, 255, 255), (170, 170, 180), 0.75 - 0.35 * up))
        scaled = glyph.resize((round(gw * sx), round(gh * sy)), Image.BICUBIC)
        turned = scaled.rotate(7 * math.sin(2 * math.pi * t), resample=Image.BICUBIC, expand=True)
        lift = 11 * SS * up
        px = (width * SS - turned.size[0]) / 2
        py = floor - turned.size[1] - lift + 1 * SS
        img.paste(turned, (round(px), round(py)), turned)
        frames.append(img.resize((width, height), Image.LANCZOS))
    save_gif(path, frames, 60, (255, 255, 255))


# ----------------------------------------------------------------------------------------------
# Backgrounds


def rainbow(u):
    """Red, yellow, green, cyan, blue, magenta and back to red as u goes from 0 to 1."""
    return hsv(u, 1.0, 1.0)


def board_background(path):
    """A rainbow along the top fading to white downwards, pale enough for black text."""
    width, height = 1024, 768
    img = Image.new("RGB", (width, height))
    px = img.load()
    columns = [rainbow(x / width) for x in range(width)]
    for y in range(height):
        # Even the top row is mixed with white, and by two thirds down it is white.
        white = 0.42 + 0.58 * smooth(y / (height * 0.7)) ** 0.8
        for x in range(width):
            r, g, b = columns[x]
            px[x, y] = (round(r + (255 - r) * white), round(g + (255 - g) * white), round(b + (255 - b) * white))
    ensure_dir(path)
    img.save(path, quality=92, optimize=False, progressive=False, subsampling=0)


def welcome_background(path):
    """Big playful numerals in pale colours, scattered below the band where the letters hop."""
    width, height = 791, 351
    img = Image.new("RGB", (width * 2, height * 2), (255, 255, 255))
    # (numeral, centre x, centre y, size, tilt in degrees, hue)
    placement = [
        ("7", 48, 190, 200, -14, 0.00), ("3", 160, 280, 180, 12, 0.58),
        ("0", 262, 178, 170, -8, 0.30), ("5", 372, 280, 190, -14, 0.83),
        ("9", 470, 175, 175, 15, 0.12), ("2", 575, 280, 180, 9, 0.47),
        ("4", 668, 185, 180, -12, 0.72), ("8", 752, 285, 185, 13, 0.95),
        ("1", 62, 300, 150, 18, 0.38), ("6", 690, 322, 120, -20, 0.20),
    ]
    for numeral, cx, cy, size, tilt, hue in placement:
        fnt = font("comic-bold", size * 2)
        # Drawing the glyph with a wide stroke of its own colour makes round, bubbly numerals.
        outline, _ = text_mask(numeral, fnt, 20)
        fill, _ = text_mask(numeral, fnt, 12)
        colour = hsv(hue, 0.8, 1.0)
        layer = Image.new("RGBA", outline.size, (0, 0, 0, 0))
        layer.paste(mix(colour, (255, 255, 255), 0.45), (0, 0), outline)
        pad = ((outline.size[0] - fill.size[0]) // 2, (outline.size[1] - fill.size[1]) // 2)
        layer.paste(mix(colour, (255, 255, 255), 0.62), pad, fill)
        turned = layer.rotate(tilt, resample=Image.BICUBIC, expand=True)
        img.paste(turned, (round(cx * 2 - turned.size[0] / 2), round(cy * 2 - turned.size[1] / 2)), turned)
    # Confetti dots, placed by a seeded generator, away from the top band.
    rng = random.Random(791)
    draw = ImageDraw.Draw(img)
    for _ in range(70):
        x, y = rng.uniform(0, width), rng.uniform(105, height)
        r = rng.uniform(2.5, 5.5)
        draw.ellipse([(x - r) * 2, (y - r) * 2, (x + r) * 2, (y + r) * 2],
                     fill=mix(hsv(rng.random(), 0.7, 1.0), (255, 255, 255), 0.5))
    # The band where the letter pictures hop stays white, fading into the numerals below.
    fade = Image.new("L", img.size, 0)
    fd = ImageDraw.Draw(fade)
    for y in range(height * 2):
        fd.line([(0, y), (width * 2, y)], fill=round(255 * (1 - smooth((y / 2 - 96) / 22))))
    img.paste((255, 255, 255), (0, 0), fade)
    # The window is a little wider than the picture and white beyond it: the numerals fade into
    # that white towards the right edge instead of being sliced there.
    edge = Image.new("L", img.size, 0)
    ed = ImageDraw.Draw(edge)
    for x in range(width * 2):
        ed.line([(x, 0), (x, height * 2)], fill=round(255 * smooth((x / 2 - (width - 60)) / 56)))
    img.paste((255, 255, 255), (0, 0), edge)
    ensure_dir(path)
    img.resize((width, height), Image.LANCZOS).save(path, optimize=False)


def apple(draw, cx, cy, r):
    """A shiny red apple with a stem and a leaf, centred at (cx, cy) with radius r."""
    draw.ellipse([cx - r * 0.9, cy + r * 0.78, cx + r * 0.9, cy + r * 1.08], fill=(70, 25, 10))
    # Two wide lobes make the body slightly heart-shaped at the top, as an apple is.
    draw.ellipse([cx - r, cy - r * 0.82, cx + r * 0.25, cy + r * 0.95], fill=(200, 20, 28))
    draw.ellipse([cx - r * 0.25, cy - r * 0.82, cx + r, cy + r * 0.95], fill=(178, 12, 22))
    draw.ellipse([cx - r * 0.78, cy - r * 0.55, cx + r * 0.72, cy + r * 0.98], fill=(200, 20, 28))
    draw.ellipse([cx - r * 0.85, cy - r * 0.7, cx + r * 0.2, cy + r * 0.6], fill=(232, 45, 45))
    draw.ellipse([cx - r * 0.22, cy - r * 0.86, cx + r * 0.22, cy - r * 0.6], fill=(140, 8, 18))
    draw.ellipse([cx - r * 0.68, cy - r * 0.5, cx - r * 0.32, cy - r * 0.02], fill=(255, 170, 165))
    draw.line([(cx, cy - r * 0.7), (cx + r * 0.08, cy - r * 1.0), (cx + r * 0.2, cy - r * 1.15)],
              fill=(110, 65, 25), width=round(r * 0.14), joint="curve")
    draw.polygon([(cx + r * 0.12, cy - r * 0.92), (cx + r * 0.4, cy - r * 1.22), (cx + r * 0.85, cy - r * 1.18),
                  (cx + r * 0.6, cy - r * 0.9)], fill=(70, 175, 55))
    draw.line([(cx + r * 0.15, cy - r * 0.93), (cx + r * 0.7, cy - r * 1.12)], fill=(40, 120, 35),
              width=max(1, round(r * 0.05)))


def chalkboard(path):
    """A dark green chalkboard in a red-brown wooden frame, with an apple on the lower right
    corner, clear of where the answer is written."""
    width, height = 344, 197
    s = SS
    img = Image.new("RGB", (width * s, height * s), (130, 55, 30))
    draw = ImageDraw.Draw(img)
    rng = random.Random(344)
    # Wood: streaks of darker and lighter red-brown running along each side.
    for k in range(120):
        shade = mix((130, 55, 30), (80, 30, 15) if k % 2 else (170, 80, 45), rng.uniform(0.3, 0.8))
        y = rng.uniform(0, height)
        draw.line([(0, y * s), (width * s, (y + rng.uniform(-2, 2)) * s)], fill=shade, width=round(rng.uniform(0.5, 1.5) * s))
    vertical = Image.new("RGB", (height * s, width * s), (130, 55, 30))
    vd = ImageDraw.Draw(vertical)
    for k in range(80):
        shade = mix((130, 55, 30), (80, 30, 15) if k % 2 else (170, 80, 45), rng.uniform(0.3, 0.8))
        y = rng.uniform(0, width)
        vd.line([(0, y * s), (height * s, (y + rng.uniform(-2, 2)) * s)], fill=shade, width=round(rng.uniform(0.5, 1.5) * s))
    vertical = vertical.rotate(90, expand=True)
    frame = 13
    side_mask = Image.new("L", img.size, 0)
    smd = ImageDraw.Draw(side_mask)
    # Left and right pieces meet the top and bottom ones at mitred corners.
    smd.polygon([(0, 0), (frame * s, frame * s), (frame * s, (height - frame) * s), (0, height * s)], fill=255)
    smd.polygon([(width * s, 0), ((width - frame) * s, frame * s), ((width - frame) * s, (height - frame) * s),
                 (width * s, height * s)], fill=255)
    img.paste(vertical, (0, 0), side_mask)
    draw.line([(0, 0), (frame * s, frame * s)], fill=(70, 25, 10), width=s)
    draw.line([(width * s, 0), ((width - frame) * s, frame * s)], fill=(70, 25, 10), width=s)
    draw.line([(0, height * s), (frame * s, (height - frame) * s)], fill=(70, 25, 10), width=s)
    draw.line([(width * s, height * s), ((width - frame) * s, (height - frame) * s)], fill=(70, 25, 10), width=s)
    draw.rectangle([0, 0, width * s - 1, height * s - 1], outline=(75, 28, 12), width=2 * s)
    # The board itself, slightly lighter in the middle as a real one is where it is wiped most.
    inner = [frame * s, frame * s, (width - frame) * s, (height - frame) * s]
    board = Image.new("RGB", (inner[2] - inner[0], inner[3] - inner[1]))
    bw, bh = board.size
    bpx = Image.radial_gradient("L").resize((bw, bh))
    board = Image.composite(Image.new("RGB", board.size, (14, 38, 26)), Image.new("RGB", board.size, (36, 68, 48)), bpx)
    bd = ImageDraw.Draw(board, "RGBA")
    for _ in range(26):
        x, y = rng.uniform(0, bw), rng.uniform(0, bh)
        rx, ry = rng.uniform(20, 70) * s, rng.uniform(6, 18) * s
        bd.ellipse([x - rx, y - ry, x + rx, y + ry], fill=(255, 255, 255, 5))
    board = board.filter(ImageFilter.GaussianBlur(3 * s))
    img.paste(board, (inner[0], inner[1]))
    draw.rectangle(inner, outline=(60, 22, 8), width=2 * s)
    # Chalk and a little eraser lie on the bottom ledge, at the left, away from the apple.
    ledge = height - frame
    draw.rounded_rectangle([24 * s, (ledge + 3) * s, 52 * s, (ledge + 9) * s], radius=2 * s, fill=(70, 80, 140))
    draw.rounded_rectangle([24 * s, (ledge + 3) * s, 52 * s, (ledge + 5) * s], radius=s, fill=(210, 200, 170))
    draw.rounded_rectangle([62 * s, (ledge + 5) * s, 80 * s, (ledge + 8.5) * s], radius=2 * s, fill=(250, 250, 245))
    draw.rounded_rectangle([86 * s, (ledge + 5) * s, 98 * s, (ledge + 8.5) * s], radius=2 * s, fill=(255, 235, 120))
    apple(draw, 316 * s, 173 * s, 18 * s)
    ensure_dir(path)
    img.resize((width, height), Image.LANCZOS).save(path, optimize=False)


# ----------------------------------------------------------------------------------------------
# Icon


def times_polygon(cx, cy, arm, half):
    """The outline of a "×" centred on (cx, cy): arm from centre to tip, half its thickness."""
    pts = []
    for k in range(4):
        a = math.pi / 4 + k * math.pi / 2
        ux, uy = math.cos(a), math.sin(a)
        nx, ny = -uy, ux
        tip = (cx + arm * ux, cy + arm * uy)
        pts.append((tip[0] - half * nx, tip[1] - half * ny))
        pts.append((tip[0] + half * nx, tip[1] + half * ny))
        b = a + math.pi / 4
        d = half * math.sqrt(2)
        pts.append((cx + d * math.cos(b), cy + d * math.sin(b)))
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in pts)


def icon_svg(path):
    discs = []
    for k, (colour, light) in enumerate([("#1f5fe0", "#8fb4ff"), ("#e02430", "#ff9da3"),
                                          ("#1f5fe0", "#8fb4ff"), ("#e02430", "#ff9da3")]):
        x = 50 + k * 52
        discs.append(
            f'  <circle cx="{x}" cy="196" r="23" fill="{colour}" stroke="#ffffff" stroke-width="5"/>\n'
            f'  <circle cx="{x - 7}" cy="188" r="7" fill="{light}"/>\n')
    svg = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
        '  <defs>\n'
        '    <linearGradient id="sun" x1="0" y1="0" x2="0" y2="1">\n'
        '      <stop offset="0" stop-color="#ffe066"/>\n'
        '      <stop offset="1" stop-color="#ff9a1f"/>\n'
        '    </linearGradient>\n'
        '  </defs>\n'
        '  <rect x="8" y="8" width="240" height="240" rx="52" ry="52" fill="url(#sun)" stroke="#d9650b" stroke-width="8"/>\n'
        f'  <polygon points="{times_polygon(128, 92, 72, 20)}" fill="#ffffff" stroke="#7a2fb0"'
        ' stroke-width="9" stroke-linejoin="round"/>\n'
        + "".join(discs) +
        '</svg>\n')
    ensure_dir(path)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(svg)


# ----------------------------------------------------------------------------------------------
# Sounds


# Each sound's peak is set so that its level over its voiced frames is -17 dBFS, the voice's: the
# voice reaches that level with little limiting, so it stays clear, and nothing the game plays is
# louder than anything else.
def write_wav(path, samples, rate, peak):
    """16-bit mono PCM, scaled so the loudest sample reaches the fraction peak of full scale."""
    top = max(abs(v) for v in samples) or 1.0
    frames = b"".join(struct.pack("<h", round(v / top * peak * 32767)) for v in samples)
    ensure_dir(path)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(frames)


def envelope(i, n, rate, attack, release):
    """Raised-cosine fade in over attack seconds and out over release seconds, so no click."""
    t = i / rate
    a = 1.0 if attack <= 0 else 0.5 - 0.5 * math.cos(math.pi * min(1.0, t / attack))
    left = (n - 1 - i) / rate
    r = 1.0 if release <= 0 else 0.5 - 0.5 * math.cos(math.pi * min(1.0, left / release))
    return a * r


def bell(t, freq, decay):
    """A struck bell: the note plus a few higher, faster dying partials."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.003)
    v = 0.0
    for ratio, amp, speed in ((1.0, 1.0, 1.0), (2.0, 0.35, 1.6), (2.76, 0.22, 2.2), (5.4, 0.08, 3.5)):
        v += amp * math.exp(-t * speed / decay) * math.sin(2 * math.pi * freq * ratio * t)
    return attack * v


def ding(path):
    rate, length = 44100, 0.45
    n = int(rate * length)
    samples = [(bell(i / rate, 1046.5, 0.11) + 1.1 * bell(i / rate - 0.09, 1568.0, 0.14))
               * envelope(i, n, rate, 0, 0.03) for i in range(n)]
    write_wav(path, samples, rate, 0.658)


def error(path):
    """Two soft, low, falling tones: "uh-oh", not a buzzer."""
    rate, length = 44100, 0.42
    n = int(rate * length)
    samples = []
    for i in range(n):
        t = i / rate
        v = 0.0
        for start, end, freq in ((0.0, 0.2, 311.1), (0.19, 0.42, 246.9)):
            if start <= t < end:
                u = t - start
                span = end - start
                env = (0.5 - 0.5 * math.cos(math.pi * min(1.0, u / 0.025))) * \
                      (0.5 - 0.5 * math.cos(math.pi * min(1.0, (span - u) / 0.07)))
                # A touch of odd harmonics gives a gentle hum rather than a pure whistle.
                v += env * (math.sin(2 * math.pi * freq * u) + 0.18 * math.sin(2 * math.pi * 3 * freq * u)
                            + 0.06 * math.sin(2 * math.pi * 5 * freq * u))
        samples.append(v)
    write_wav(path, samples, rate, 0.2)


def ring(path):
    """A rising four-note chime that rings out over a second."""
    rate, length = 44100, 1.0
    n = int(rate * length)
    notes = ((0.0, 784.0), (0.11, 1046.5), (0.22, 1318.5), (0.33, 1568.0))
    samples = [sum(bell(i / rate - start, freq, 0.35) for start, freq in notes) * envelope(i, n, rate, 0, 0.12)
               for i in range(n)]
    write_wav(path, samples, rate, 0.586)


def default_beep(path):
    rate, length = 22050, 0.2
    n = int(rate * length)
    samples = [math.sin(2 * math.pi * 660.0 * i / rate) * envelope(i, n, rate, 0.01, 0.04) for i in range(n)]
    write_wav(path, samples, rate, 0.5)


def main():
    top = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    gif = os.path.join(top, "data", "gif")
    res = os.path.join(top, "resources")
    title_banner(os.path.join(gif, "quintarlow_small.gif"))
    free_square(os.path.join(gif, "free_.gif"))
    game_over(os.path.join(gif, "gameover.gif"))
    fireworks(os.path.join(gif, "fireworks.gif"))
    dancer(os.path.join(gif, "dance.gif"))
    for index, ch in enumerate("quintarlow"):
        letter(os.path.join(gif, ch + ".gif"), ch, index)
    board_background(os.path.join(res, "backgrounds", "board.jpg"))
    welcome_background(os.path.join(res, "backgrounds", "welcome.png"))
    chalkboard(os.path.join(res, "backgrounds", "chalkboard.png"))
    icon_svg(os.path.join(res, "icons", "quintarlow.svg"))
    ding(os.path.join(top, "data", "ding.WAV"))
    error(os.path.join(top, "data", "error.WAV"))
    ring(os.path.join(top, "data", "ring.WAV"))
    default_beep(os.path.join(res, "sounds", "default.wav"))


if __name__ == "__main__":
    main()
