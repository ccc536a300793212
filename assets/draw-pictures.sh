#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick: the splash of the startup window, the shop
# banner of the about window, the permission notice and the program icon; needs fonts-noto-cjk.
# The PNG files are kept in the repository; run this again after changing a picture.
set -euo pipefail
cd "$(dirname "$0")"

sans=Noto-Sans-CJK-SC
bold=Noto-Sans-CJK-SC-Bold

# Splash, 756 x 245: a teal field with a capsule and a training record sheet.
convert -size 245x756 gradient:'#0b3d5c'-'#1f8fa3' -rotate -90 \
    -fill '#ffffff14' -draw 'circle 690,40 790,40' -draw 'circle 620,230 700,230' \
    -fill none -stroke '#ffffff30' -strokewidth 2 -draw 'line 0,200 756,150' \
    -stroke none \
    -fill '#f4f7fa' -draw 'roundrectangle 40,52 150,192 8,8' \
    -fill '#1f8fa3' -draw 'rectangle 52,66 138,74' \
    -fill '#9fb3c2' -draw 'rectangle 52,88 120,93' -draw 'rectangle 52,104 132,109' \
    -draw 'rectangle 52,120 112,125' -draw 'rectangle 52,136 128,141' \
    -fill none -stroke '#2f9e60' -strokewidth 5 -draw 'polyline 56,164 66,174 86,152' -stroke none \
    -fill '#e8574a' -draw 'roundrectangle 118,150 176,176 13,13' \
    -fill '#ffffff' -draw 'roundrectangle 150,150 200,176 13,13' \
    -fill '#e8574a' -draw 'rectangle 150,150 160,176' \
    -font "$bold" -fill '#ffffff' -pointsize 34 -annotate +226+104 'Quorvane制药GMP教育训练管理' \
    -font "$sans" -fill '#d7eef3' -pointsize 17 -annotate +228+140 '员工教育训练记录 · 查询 · 导出 · 备份' \
    -fill '#a9d6e0' -pointsize 14 -annotate +228+166 'GMP Staff Training Records' \
    -fill '#ffffff' -draw 'rectangle 228,182 720,183' \
    -fill '#d7eef3' -pointsize 13 -annotate +600+220 'Quorvane软件' \
    PNG24:splash.png

# Shop banner, 335 x 61.
convert -size 61x335 gradient:'#f29a2e'-'#e8574a' -rotate -90 \
    -fill '#ffffff' -draw 'roundrectangle 12,14 58,48 6,6' \
    -fill '#e8574a' -draw 'rectangle 20,24 50,27' -draw 'rectangle 20,32 44,35' -draw 'rectangle 20,40 38,43' \
    -font "$bold" -fill '#ffffff' -pointsize 20 -annotate +70+30 'Quorvane软件 在线商店' \
    -font "$sans" -fill '#fff3e0' -pointsize 12 -annotate +72+50 '正版授权 · 功能定制 · 售后服务  点击进入' \
    PNG24:banner.png

# Permission notice, 435 x 658: the file's properties dialog on its 权限 page, with
# "允许作为程序执行文件" ticked.
convert -size 435x658 xc:'#f6f5f4' \
    -fill '#2b2b2b' -draw 'rectangle 0,0 435,36' \
    -font "$bold" -fill '#ffffff' -pointsize 14 -annotate +16+24 'qvledger 属性' \
    -fill '#d9534f' -draw 'circle 412,18 419,18' \
    -fill '#ffffff' -stroke '#c8c6c4' -draw 'rectangle 12,48 423,606' -stroke none \
    -fill '#e8e6e3' -draw 'rectangle 12,48 423,82' \
    -font "$sans" -fill '#555555' -pointsize 14 -annotate +34+71 '基本' -annotate +220+71 '打开方式' \
    -fill '#ffffff' -draw 'rectangle 100,48 190,82' \
    -fill '#3584e4' -draw 'rectangle 100,79 190,82' \
    -font "$bold" -fill '#1f1f1f' -annotate +128+71 '权限' \
    -font "$sans" -fill '#1f1f1f' -pointsize 13 \
    -annotate +32+118 '所有者：' -annotate +150+118 '我' \
    -annotate +32+154 '访问：' \
    -fill '#ffffff' -stroke '#c8c6c4' -draw 'roundrectangle 150,138 400,164 4,4' -stroke none \
    -fill '#1f1f1f' -annotate +160+156 '读写' \
    -annotate +32+200 '组：' -annotate +150+200 'users' \
    -annotate +32+236 '访问：' \
    -fill '#ffffff' -stroke '#c8c6c4' -draw 'roundrectangle 150,220 400,246 4,4' -stroke none \
    -fill '#1f1f1f' -annotate +160+238 '只读' \
    -annotate +32+282 '其他' -annotate +32+318 '访问：' \
    -fill '#ffffff' -stroke '#c8c6c4' -draw 'roundrectangle 150,302 400,328 4,4' -stroke none \
    -fill '#1f1f1f' -annotate +160+320 '只读' \
    -fill '#c8c6c4' -draw 'rectangle 32,352 403,353' \
    -fill '#1f1f1f' -annotate +32+386 '执行：' \
    -fill '#3584e4' -draw 'roundrectangle 150,370 170,390 3,3' \
    -fill none -stroke '#ffffff' -strokewidth 3 -draw 'polyline 154,380 159,385 167,374' -stroke none \
    -fill '#1f1f1f' -annotate +180+386 '允许作为程序执行文件(E)' \
    -fill none -stroke '#e8574a' -strokewidth 3 -draw 'roundrectangle 140,362 410,398 6,6' -stroke none \
    -fill '#c8c6c4' -draw 'rectangle 32,416 403,417' \
    -fill '#1f1f1f' -annotate +32+450 '安全上下文：' -annotate +150+450 '未知' \
    -fill '#3584e4' -draw 'roundrectangle 300,620 423,648 4,4' \
    -font "$bold" -fill '#ffffff' -pointsize 14 -annotate +346+640 '确定' \
    -fill '#e2e0dd' -draw 'roundrectangle 170,620 290,648 4,4' \
    -font "$sans" -fill '#1f1f1f' -annotate +214+640 '取消' \
    PNG24:notice.png

# Program icon, 128 x 128: a teal tile with a record sheet and a green tick, as on the splash.
convert -size 128x128 xc:none \
    -fill '#1f8fa3' -draw 'roundrectangle 4,4 123,123 22,22' \
    -fill '#0b3d5c' -draw 'roundrectangle 4,92 123,123 22,22' -draw 'rectangle 4,92 123,104' \
    -fill '#f4f7fa' -draw 'roundrectangle 30,16 98,108 7,7' \
    -fill '#1f8fa3' -draw 'rectangle 40,28 88,35' \
    -fill '#9fb3c2' -draw 'rectangle 40,46 80,50' -draw 'rectangle 40,58 86,62' -draw 'rectangle 40,70 74,74' \
    -fill none -stroke '#2f9e60' -strokewidth 9 -draw 'polyline 50,88 62,99 92,70' -stroke none \
    PNG32:icon.png
