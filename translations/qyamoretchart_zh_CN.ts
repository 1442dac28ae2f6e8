<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>休·格兰特</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>埃尔顿·塞纳</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>齐内丁·齐达内</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>凯蒂·佩里</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>斯嘉丽·约翰逊</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>简·方达</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>杰克·尼科尔森</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>安东尼·霍普金斯</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>梅丽尔·斯特里普</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>艾迪·墨菲</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>贝拉克·奥巴马</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>凯拉·奈特莉</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>科菲·安南</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>史蒂维·旺德</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>朱迪·福斯特</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>莱昂纳多·迪卡普里奥</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>嘎嘎小姐</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>尤塞恩·博尔特</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>蒂娜·特纳</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>萨莉·赖德</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>迈克尔·乔丹</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>大卫·贝克汉姆</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>安吉丽娜·朱莉</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>利昂内尔·梅西</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>约翰·列侬</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>李小龙</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>基努·里维斯</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>鲍勃·迪伦</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>斯蒂芬·霍金</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>穆罕默德·阿里</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>皮尔斯·布鲁斯南</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>沙鲁克·汗</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>泰勒·斯威夫特</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>保罗·麦卡特尼</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>哈里森·福特</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>成龙</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>安格拉·默克尔</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>艾玛·沃特森</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>米克·贾格尔</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>史蒂夫·乔布斯</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>蒂姆·伯纳斯-李</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>妮可·基德曼</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>朱莉娅·罗伯茨</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>诺拉·琼斯</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>戴安娜·罗斯</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>乔治·卢卡斯</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>汤姆·汉克斯</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>席琳·迪翁</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>休·杰克曼</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>姚明</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>埃里克·克莱普顿</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>娜塔莉·波特曼</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>罗杰·费德勒</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>塞雷娜·威廉姆斯</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>雪儿</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>弗雷迪·默丘里</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>莎朗·斯通</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>普林斯</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>麦当娜</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>安德烈·阿加西</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>马特·达蒙</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>安妮·海瑟薇</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>埃尔顿·约翰</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>斯蒂芬·金</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>艾玛·汤普森</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>伊万·麦克格雷格</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>克里斯·海姆斯沃斯</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业好机会：开创属于您自己的网络事业，在网上赚钱。让本软件全面换上您网站的品牌。点击此处了解详情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>为您的网站联合冠名本软件，提升网站的用户黏性与访问量。在这里放上您网站的名称和链接。详情请见“帮助”菜单。点击此处了解联合冠名的更多信息。</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>欢迎光临我们的论坛：%1</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>欢迎到论坛分享您的解读，点此访问 %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Rat</source>
        <translation>鼠</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>马</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>羊</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猴</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>鸡</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>猪</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>土</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>西方（247.6 至 292.5 度）</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>南方（157.6 至 202.5 度）</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>东方（67.6 至 112.5 度）</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>北方（337.6 至 22.5 度）</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>在此方位摆放公鸡摆件或图画</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>在此方位摆放骏马摆件或图画</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>在此方位摆放兔子摆件或图画</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>在此方位摆放鼠形摆件或图画</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>木星</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>土星</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>天王星</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>火星</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>金星</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水星</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>太阳</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>龙、猴</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>蛇、鸡</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>马、狗</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>羊、猪</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>鼠、猴</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>牛、鸡</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>虎、狗</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>兔、猪</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>鼠、龙</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>牛、龙、蛇</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>虎、马</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>兔、羊</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>虎、猪</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>浅蓝色</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫罗兰色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>淡绿色</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>青绿色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>粉红色、紫色</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>黄色、金色</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>蜜桃色、杏色</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>淡黄色</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>深蓝色</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>铁铝榴石、红石榴石</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>白玛瑙</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>蓝宝石</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>贵橄榄石</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>紫水晶</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>苔藓玛瑙</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>绿柱石</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>祖母绿</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>碧玉</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>钻石</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>托帕石</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>阴</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>阴</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>阴</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>阳</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>冬季</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>冬末</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>初春</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>仲春</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>春末</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>初夏</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>仲夏</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>夏末</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>初秋</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>仲秋</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>秋末</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>初冬</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>您专注而自信，从不畏惧障碍，也不会因此放慢脚步。您自立自强，不喜欢别人干涉。您有时固执、任性又冲动，但内心十分强大。您懂得享受生活中的美好事物。您对别人的要求可能和对自己一样严格。</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>您如水般灵动，总能以含蓄的魅力化解难题。您说服别人靠的是潜移默化，从不强求。您待人处事一向圆融得体，深得他人信任。您直觉敏锐，能读懂别人的心思；又善于沟通，轻易就能影响他人。您做事很有条理，只是有时难以始终如一。</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>您对自己充满信心，举止庄重沉稳，从不汲汲于追逐名利。您做事有条有理、按部就班。您喜欢团队合作，乐于与人分享成功的果实，毫不自私。您兴趣广泛，涉猎多方。您有时过于依赖他人。您承担责任应量力而行。您的学识与阅历会随着岁月愈显价值。</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>您天性冲动，魅力十足。您善于领导和激励他人，很容易吸引众人追随。您坚守自己的理想，谁也无法说服您放弃。您对自己的决定深信不疑。您积极进取，热衷于开拓新天地，简直是为挑战而生。您有时会显得过于强势。您也极具雄心。</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>您天性重理性而轻感性。沉静稳重的气度为您赢得他人的尊重。您处事谨慎，从容掌控局面。陌生的事物会令您不安。您注重细节，认真对待人生。您善于组织与规划，自律而保守。</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>生肖</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>桃花方位</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>催旺桃花</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>守护星</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>最合生肖</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>最忌生肖</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>吉利季节</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>吉利月份</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>幸运色</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>幸运宝石</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>阴阳</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>同生肖名人</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>本程序已在运行中</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本软件可能有新版本可用<byte value="xd"/>要检查更新吗？</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY 桃花命盘源自易经，是一种寻找并催旺个人桃花方位的中国传统方法。本软件根据您的桃花方位为您提供建议。本软件的一切权利归 QY 桃花命盘的制作者所有。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业好机会：开创属于您自己的网络事业，在网上赚钱。让本软件全面换上您网站的品牌。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>点击此处访问 %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>点击此处了解详情。</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>QY 桃花命盘图标</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>用中国桃花命盘探知您的桃花方位。请输入您的个人资料，马上开始。</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>请填写您的资料</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>出生日期：日</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>出生日期：月</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>出生日期：年</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>查看我的桃花运势(&amp;G)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>QY 桃花命盘解读</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>赞助(&amp;D)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>生肖图片</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>紫色圆盘上用白线画的%1</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY 桃花命盘 v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY 桃花命盘</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>桃花命盘</translation>
    </message>
</context>
</TS>
