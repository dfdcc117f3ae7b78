; The level record the stand-in shows until the level editor builds another one into the file
; ("Play Level"). It lies at file offsets 8969-10558, over the tail of character bank 6.
;
; Each level row is 128 characters, one per cell; the legend below gives each character's
; pattern (the record holds 2 x pattern). A character outside the legend stops the build.
        .include "record.inc"
        .export record

; Every printable character is first unknown ($FF, odd, never a cell code), then the legend.
; Character literals pass through this table too, so the legend names characters by code.
        .repeat 95, i
        .charmap 32 + i, $FF
        .endrepeat

.macro cell code, pattern
        .charmap code, 2 * (pattern)
.endmacro

        cell $7E, 0             ; ~  parallax: the second level far below (border)
        cell $2E, 1             ; .  floor plate
        cell $3A, 2             ; :  gravel plate
        cell $23, 3             ; #  wall: red bricks
        cell $25, 4             ; %  wall: grey stone blocks
        cell $49, 6             ; I  wall: riveted iron plate
        cell $2D, 7             ; -  door, horizontal
        cell $7C, 8             ; |  door, vertical
        cell $6B, 9             ; k  key
        cell $62, 10            ; b  sweet: bonbon
        cell $6C, 11            ; l  sweet: lollipop
        cell $63, 12            ; c  sweet: candy cane
        cell $68, 13            ; h  sweet: heart
        cell $67, 14            ; g  sweet: gumball
        cell $69, 16            ; i  sweet: ice cream cone
        cell $46, 17            ; F  goal flag
        cell $66, 18            ; f  fire
        cell $54, 19            ; T  teleporter
        cell $2A, 20            ; *  star
        cell $77, 21            ; w  water
        cell $4F, 25            ; O  life ring
        cell $45, 27            ; E  fire extinguisher
        cell $30, 28            ; 0  switch, off
        cell $4D, 30            ; M  monster: red blob
        cell $42, 31            ; B  monster: gold beetle
        cell $5F, 32            ; _  ice: slide straight on
        cell $3E, 34            ; >  ice: slide right
        cell $76, 35            ; v  ice: slide down
        cell $3C, 36            ; <  ice: slide left
        cell $4C, 39            ; L  lava
        cell $53, 44            ; S  start point
        cell $6F, 48            ; o  rock
        cell $52, 49            ; R  rock in water
        cell $5B, 53            ; [  floor plate, shadow on the left
        cell $5E, 54            ; ^  floor plate, shadow at the top
        cell $72, 55            ; r  floor plate, shadow left and top
        cell $2B, 63            ; +  time bonus
        cell $4B, 64 + 9        ; K  key, fifth colour (inverse)
        cell $21, 64 + 8        ; !  door, vertical, fifth colour (inverse)

.macro row cells
        .if .strlen(cells) <> COLUMNS
        .error .sprintf("a level row needs 128 cells, this one has %d", .strlen(cells))
        .else
        .repeat COLUMNS, i
        .if .strat(cells, i) = $FF
        .error .sprintf("row character %d is not in the legend", i + 1)
        .endif
        .endrepeat
        .byte cells
        .endif
.endmacro

        .segment "RECORD"
record:
        row "~~~~~#........................g................c........%%%%%%%%%%%........................................................#~~~~"
        row "~~~~~#..:.......###########.................M...........%.........%...b....._________.............*........................#~~~~"
        row "~~~~~#......:...#r^^^^^^^^#.......wwwwwwww..............%.g..T..*.%........._________...............IIIIIIIIIII............#~~~~"
        row "~~~~~#..........#[b.l...c.#.......wwwwwwww........f.....%.........%.........>_______v...B.....................I...h........#~~~~"
        row "~~~~~#...S......#[....h...#.......wwwRwwww........f.....%%%%%|%%%%%........._________...............!.h..K..i.I........F...#~~~~"
        row "~~~~~#.......k..#[........#.......wwwwwwww........f.........................____<____........+................I............#~~~~"
        row "~~~~~#.....*....#####-#####.......wwwwwwww........f.................................................IIIIIIIIIII............#~~~~"
        row "~~~~~#........:.........................................................T.................LLLLLLL...................b......#~~~~"
        row "~~~~~#..b.:....................O.......o......E.......................................l...LLLLLLL.......0..................#~~~~"
        row "~~~~~#.....................................................................................................................#~~~~"

; Texts in the game's codes: blank 32, "!" to "?" 1-31, "A" to "Z" 33-58; padded with blanks.
        .repeat 95, i
        .charmap 32 + i, (32 + i) - 32 * ((32 + i) >= 33 .and (32 + i) <= 90)
        .endrepeat

.macro text32 s
        .assert .strlen(s) <= 32, error, "a text field holds 32 characters"
        .byte s
        .res 32 - .strlen(s), TEXT_BLANK
.endmacro

        text32 "ERSTER AUSFLUG"                     ; title
        text32 "SAMMLE ALLE SUESSIGKEITEN"          ; tip 1
        text32 "DER SCHALTER OEFFNET DIE TUER"      ; tip 2
        text32 "LEVEL 01: FROM TAVREL"              ; level line

; Switches: x, y, target x, target y, spare, 2 x target pattern + 1.
        .byte 104, 8, 100, 4, 0, 2 * 1 + 1         ; the switch opens the door at (100, 4)
        .repeat 7
        .byte 0, 0, 0, 0, 0, 1
        .endrepeat

; Monsters: x, y, pixel speed, wait, active number, type, facing, turning ("L" 44, "R" 50, "U" 53).
        .byte 60, 8, 1, 1, 1, 0, 44, 53
        .byte 30, 9, 2, 1, 2, 1, 50, 53
        .repeat 8, m
        .byte 0, 0, 1, 1, 0, m + 2, 44, 53
        .endrepeat

; Colour lines 1-10: background, pixel codes 1, 2, 3, and 3 of the inverse cells.
        .byte $90, $06, $36, $1C, $9E
        .byte $90, $06, $36, $1C, $4E
        .byte $90, $06, $36, $1C, $1E
        .byte $90, $06, $36, $1C, $CE
        .byte $90, $06, $36, $1C, $2C
        .byte $90, $06, $36, $1C, $7E
        .byte $90, $06, $36, $1C, $5E
        .byte $90, $06, $36, $1C, $6E
        .byte $90, $06, $36, $1C, $DE
        .byte $90, $06, $36, $1C, $AE

        .byte 0, 3, 0, 0                            ; time: 300 seconds
record_end:
        .assert record_end - record = REC_SIZE, error, "the level record is 1590 bytes"
